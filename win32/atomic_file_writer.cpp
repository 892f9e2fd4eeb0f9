#include "atomic_file_writer.h"

#include "wide_text.h"

#include <windows.h>

#include <algorithm>

namespace kavrena {
namespace {

// A new file beside the target, opened for this program alone; INVALID_HANDLE_VALUE when none
// can be made.
HANDLE createTemporaryBeside(const std::wstring& target, std::wstring& temporary) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(attempt) + L".tmp";
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

// Windows refuses to rename over a read-only file, but not every implementation of its API does
// (Wine replaces it): the attribute is checked here, so the file is kept everywhere.
bool isReadOnly(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool writeAll(HANDLE file, std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes = bytes.subspan(written);
    }
    return true;
}

} // namespace

bool AtomicFileWriter::writeWholeFile(const std::string& path, std::span<const std::byte> bytes) {
    const std::wstring target = toWide(path);
    if (isReadOnly(target))
        return false;
    std::wstring temporary;
    const HANDLE file = createTemporaryBeside(target, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool onDisk = writeAll(file, bytes) && FlushFileBuffers(file) != 0;
    const bool closed = CloseHandle(file) != 0;

    // One rename, so a reader sees the earlier file or the new one, never a part. It fails, and
    // the earlier file stays as it was, when another program holds that file open without
    // letting it be deleted. ReplaceFileW is no single rename everywhere.
    if (onDisk && closed &&
        MoveFileExW(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0)
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

} // namespace kavrena
