#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

/** The whole content of a file; nothing when it cannot be opened or a read fails midway. */
std::optional<std::string> leggiFileIntero(const std::filesystem::path& percorso);

/**
 * Replaces a file's content without ever destroying the only good copy: the new content is written
 * to a temporary file beside it, flushed to disk, then renamed over the old file. Returns false, with
 * the old file untouched, when any step fails.
 */
[[nodiscard]] bool scriviFileSicuro(const std::filesystem::path& percorso, std::string_view contenuto);

/** A file of a set and its new content. */
struct FileNuovo {
    std::filesystem::path percorso;
    std::string contenuto;
};

/**
 * A step of a set replacement, named for the tests that make one fail: "scrivi:<file>" (writing a
 * new file), "registro" (writing the record of the operation), "sostituisci:<file>" (renaming a new
 * file over the old one), "chiudi" (removing the record).
 */
using Guasto = std::function<bool(const std::string& passo)>;

/**
 * Replaces several files of one folder as one set: after a failure, or a crash at any point, the
 * folder holds either every old file or every new one once completaSostituzioneInterrotta has run.
 * The new contents are written beside the old files and flushed to disk; a record of the operation
 * (`registro`, in the same folder) is then written, which is the point of no return; the new files
 * are renamed over the old ones and the record removed. Returns false when the set was not replaced
 * (the old files are untouched) and also when a failure came after the point of no return (the next
 * completaSostituzioneInterrotta finishes the job). `guasto` (tests) makes a named step fail.
 */
[[nodiscard]] bool sostituisciInsieme(const std::vector<FileNuovo>& file,
                                      const std::filesystem::path& registro, const Guasto& guasto = {});

/**
 * Finishes or undoes a set replacement that a crash interrupted: with the record present every new
 * file still waiting is renamed over its old one, then the record is removed; without it the waiting
 * new files are deleted. Returns true when there was something to finish or undo.
 */
bool completaSostituzioneInterrotta(const std::filesystem::path& registro);

} // namespace core
