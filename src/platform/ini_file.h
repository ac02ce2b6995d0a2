#pragma once

#include <memory>
#include <string>
#include <vector>

// An INI file read and written by the rules of the Windows profile functions: section and key
// names match without regard to case, the first of two same-named sections or keys wins (and is
// where writes go), values are read without surrounding blanks and at most 2047 characters of
// them, integers are written in decimal and read also as "$" or "0x" hexadecimal, lines starting
// with ";" are comments, and everything this program does not touch (foreign sections, keys,
// comments and their order) is kept when the file is rewritten. Values come back exactly as
// written: quotes around a value are kept.
//
// The file is read once when opened and written only by save(), as one crash-safe replacement of
// the whole file. Reading never fails: a missing or unreadable file reads as empty. A missing
// file whose temporary copy from an interrupted save is whole is read from that copy, and the
// next save puts it in place.
//
// Names are plain: no line break, no "=" in a key, no "]" in a section, not starting with ";" or
// "[". A value ends at its first line break (a line holds no more).
class IniFile {
  public:
    explicit IniFile(std::string path);
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    const std::string& path() const { return path_; }

    std::string readString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    // The value as a 32-bit integer: decimal (negative too), "$" or "0x"/"0X" hexadecimal;
    // fallback for anything else (empty, "12abc", out of range).
    int readInteger(const std::string& section, const std::string& key, int fallback) const;
    // An integer; any value other than 0 is true.
    bool readBool(const std::string& section, const std::string& key, bool fallback) const;
    bool sectionExists(const std::string& section) const;
    bool valueExists(const std::string& section, const std::string& key) const;

    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, int value);
    void writeBool(const std::string& section, const std::string& key, bool value);
    // Removes every section of that name with its keys.
    void eraseSection(const std::string& section);

    // Writes the whole file if anything changed since it was read or last saved. False when the
    // file could not be written (or exists but could not be read: writing would lose what it
    // holds); the file on disk is then as it was.
    bool save();

    // The text the file would be written as (UTF-8, CRLF line ends, no byte-order mark).
    std::string text() const;

    // For callers that read from memory (tests, fuzzing): the rules above applied to bytes.
    static IniFile fromBytes(const std::vector<unsigned char>& bytes);

  private:
    struct Content;
    IniFile(std::string path, std::unique_ptr<Content> content);
    std::string path_;
    std::unique_ptr<Content> content_;
};
