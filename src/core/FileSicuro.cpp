#include "FileSicuro.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace core {

std::optional<std::string> leggiFileIntero(const std::filesystem::path& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream contenuto;
    contenuto << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return std::move(contenuto).str();
}

bool scriviFileSicuro(const std::filesystem::path& percorso, std::string_view contenuto) {
    auto temporaneo = percorso;
    temporaneo += ".nuovo";
    const int fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    std::size_t scritti = 0;
    while (scritti < contenuto.size()) {
        const ssize_t n = ::write(fd, contenuto.data() + scritti, contenuto.size() - scritti);
        if (n <= 0) break;
        scritti += static_cast<std::size_t>(n);
    }
    const bool completo = scritti == contenuto.size() && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !completo) {
        ::unlink(temporaneo.c_str());
        return false;
    }
    std::error_code errore;
    std::filesystem::rename(temporaneo, percorso, errore);
    if (errore) {
        ::unlink(temporaneo.c_str());
        return false;
    }
    return true;
}

} // namespace core
