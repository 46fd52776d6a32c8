#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace core {

/** The whole content of a file; nothing when it cannot be read. */
std::optional<std::string> leggiFileIntero(const std::filesystem::path& percorso);

/**
 * Replaces a file's content without ever destroying the only good copy: the new content is written
 * to a temporary file beside it, flushed to disk, then renamed over the old file. Returns false, with
 * the old file untouched, when any step fails.
 */
bool scriviFileSicuro(const std::filesystem::path& percorso, std::string_view contenuto);

} // namespace core
