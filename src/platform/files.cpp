#include "platform/files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) return name.empty();
    if (pattern[0] == '*') {
        for (size_t skip = 0; skip <= name.size(); ++skip)
            if (WildcardMatch(pattern.substr(1), name.substr(skip))) return true;
        return false;
    }
    if (name.empty()) return false;
    const bool same = pattern[0] == '?' ||
                      std::tolower(static_cast<unsigned char>(pattern[0])) ==
                          std::tolower(static_cast<unsigned char>(name[0]));
    return same && WildcardMatch(pattern.substr(1), name.substr(1));
}

std::vector<std::string> SplitName(std::string_view gameName) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : gameName) {
        if (c == '\\' || c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// The entry of `folder` whose name equals `part` ignoring case; an exact
// match is preferred so that two files differing only in case stay apart.
std::string FindEntry(const fs::path& folder, const std::string& part) {
    std::error_code ec;
    if (fs::exists(folder / part, ec)) return part;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (SameIgnoringCase(name, part)) return name;
    }
    return part;
}

}  // namespace

std::string ResolveGamePath(std::string_view gameName) {
    const std::vector<std::string> parts = SplitName(gameName);
    fs::path path;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (i == 0 && part.empty()) {  // an absolute name
            path = "/";
            continue;
        }
        if (part.empty() || part == ".") continue;
        path /= (part == ".." ? part : FindEntry(path, part));
    }
    return path.string();
}

FILE* OpenGameFile(std::string_view gameName, const char* mode) {
    std::string plainMode;
    for (const char* m = mode; *m; ++m)
        if (*m != 't') plainMode += *m;
    return std::fopen(ResolveGamePath(gameName).c_str(), plainMode.c_str());
}

std::vector<std::string> FindGameFiles(std::string_view pattern) {
    const size_t cut = pattern.find_last_of("\\/");
    const std::string folder = cut == std::string_view::npos ? "." : ResolveGamePath(pattern.substr(0, cut));
    const std::string_view filePattern = cut == std::string_view::npos ? pattern : pattern.substr(cut + 1);
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (WildcardMatch(filePattern, name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool GameFileExists(std::string_view gameName) {
    if (gameName.find_first_of("*?") != std::string_view::npos) return !FindGameFiles(gameName).empty();
    std::error_code ec;
    return fs::exists(ResolveGamePath(gameName), ec);
}

bool CreateGameFolder(std::string_view gameName) {
    const std::string path = ResolveGamePath(gameName);
    std::error_code ec;
    fs::create_directory(path, ec);
    return fs::is_directory(path, ec);
}

bool ReplaceGameFile(std::string_view gameName, const std::string& bytes) {
    const std::string path = ResolveGamePath(gameName);
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = (std::fflush(file) == 0) && ok;
    ok = (std::fclose(file) == 0) && ok;
    std::error_code ec;
    if (ok) fs::rename(temporary, path, ec);
    if (!ok || ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

bool ReadGameFile(std::string_view gameName, std::string& bytes) {
    FILE* file = OpenGameFile(gameName, "rb");
    if (!file) return false;
    // Pictures run to megabytes: one read into a string of the open file's
    // size, then whatever a growing file may have added.
    std::string data;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        std::rewind(file);
        if (size > 0) data.resize(static_cast<size_t>(size));
    }
    data.resize(std::fread(data.data(), 1, data.size(), file));
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) data.append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    if (ok) bytes = std::move(data);
    return ok;
}
