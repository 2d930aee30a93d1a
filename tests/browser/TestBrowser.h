// A browser with recording sinks, for the tests of the model and the
// reports: opens built files, and reads back report files line by line.
#pragma once

#include "model/RecordingSinks.h"
#include "session/FileViews.h"
#include "session/basCCF.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::testing {

struct TestBrowser : ::testing::Test {
    RecordingTree tree;
    RecordingList list;
    RecordingDisplay display;
    RecordingUserInterface ui;
    basCCF browser{tree, list, display, ui};
    std::filesystem::path dir;
    std::vector<std::string> notices; // the library's notices while loading

    TestBrowser() {
        static int made = 0;
        dir = std::filesystem::temp_directory_path() /
              ("vantor-test-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
        std::filesystem::create_directories(dir);
        browser.LibraryFiles.SetNoticeHandler(
            [this](const std::string& text) { notices.push_back(text); });
    }
    ~TestBrowser() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    // Loads the bytes under `name` and opens them as the next browser file.
    CCFlocal& Open(const std::string& name, std::vector<std::uint8_t> bytes) {
        browser.LibraryFiles.AddBytes(name, std::move(bytes));
        CCFlocal& file =
            browser.BrowserFiles.Add(browser.LibraryFiles.ItemPtr(browser.LibraryFiles.Count()));
        Load(browser, file);
        return file;
    }

    std::string PathOf(const std::string& name) const { return (dir / name).string(); }

    static void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The physical lines of a file or text, split at CR LF.
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            lines.push_back(text.substr(start, end - start));
        if (start < text.size()) lines.push_back(text.substr(start));
        return lines;
    }
    // The lines that follow the first line equal to `line` (all when absent: an empty list).
    static std::vector<std::string> After(const std::vector<std::string>& lines,
                                          const std::string& line) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == line)
                return {lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines.end()};
        return {};
    }
    static bool Contains(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

} // namespace vantor::testing
