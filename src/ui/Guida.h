#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace ui {

/**
 * The program's help window: the Italian pages compiled into the program (":/guida/"), with the page
 * title on top, an index of the topics beside the page, and back, forward and index buttons. Links
 * between pages open in the window; a link to anything else goes to the system through
 * Apri_Collegamento.
 */
class FinestraGuida : public QWidget {
    Q_OBJECT
public:
    explicit FinestraGuida(QWidget* genitore = nullptr);

    /** Shows a topic: a page name, optionally with "#anchor"
     * ("Caricare_un_Archivio.htm#L__Archivio_di_Default"). */
    void apri(const QString& argomento);
    /** The title of the page shown (its <title>). */
    QString titoloPagina() const;
    /** The page shown, as a resource URL ("qrc:/guida/selezione_ruote.htm"); empty for a missing topic. */
    QUrl pagina() const;
    /** Stands over `finestra` (a top-level window, or null), so that it stays usable when that window is
     * modal; the window neither owns it nor takes it along when it is destroyed. */
    void affidaA(QWidget* finestra);

private:
    void paginaCambiata(const QUrl& indirizzo);
    void collegamento(const QUrl& indirizzo);

    QLabel* lblTitolo = nullptr;
    QListWidget* lstArgomenti = nullptr;
    QTextBrowser* txtGuida = nullptr;
    QPushButton* cmdIndietro = nullptr;
    QPushButton* cmdAvanti = nullptr;
};

/**
 * Opens the help topic `argomento` (a page name, optionally with "#anchor") in the help window, which
 * stands over the window of `genitore` so that it can be used while that window is modal. There is one
 * help window for the program's run, whoever opened it: closing it, or closing the window that asked
 * for it, keeps it with its history; it is deleted when the program quits.
 */
void mostraGuida(QWidget* genitore, const QString& argomento);

/** The help window, when one is open or hidden; null otherwise. */
FinestraGuida* finestraGuida();

/** The topics of the help, in the order of its index: page names, "qtindex.htm" first. */
QStringList argomentiGuida();

} // namespace ui
