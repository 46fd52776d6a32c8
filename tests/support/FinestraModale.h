#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace prova {

// Acts on a modal window of type T as soon as it is the active modal widget: a 10 ms timer looks for it, so
// this works however the code under test pumps events before exec(). Set it up before the call that opens the
// window. After `attesaMs` without such a window it gives up; the test's own timeout then reports the hang.
template <class T> class QuandoModale {
public:
    explicit QuandoModale(std::function<void(T*)> azione, int attesaMs = 10000)
        : m_azione(std::move(azione)) {
        m_orologio.start();
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, attesaMs] {
            if (auto* finestra = qobject_cast<T*>(QApplication::activeModalWidget())) {
                m_timer.stop();
                m_eseguita = true;
                m_azione(finestra);
            } else if (m_orologio.elapsed() > attesaMs) {
                m_timer.stop();
            }
        });
        m_timer.start();
    }
    // True once the window was found and the action ran.
    bool eseguita() const { return m_eseguita; }

private:
    std::function<void(T*)> m_azione;
    QTimer m_timer;
    QElapsedTimer m_orologio;
    bool m_eseguita = false;
};

} // namespace prova
