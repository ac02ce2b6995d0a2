#pragma once

#include <optional>
#include <string>

namespace e2e {

// String values under HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run.
std::optional<std::string> readAutorunValue(const std::string& name);
void writeAutorunValue(const std::string& name, const std::string& data);
void deleteAutorunValue(const std::string& name);

// Puts a value back as it was when the object was made, whatever happened to it since.
class AutorunValueBackup {
  public:
    explicit AutorunValueBackup(std::string name);
    ~AutorunValueBackup();
    AutorunValueBackup(const AutorunValueBackup&) = delete;
    AutorunValueBackup& operator=(const AutorunValueBackup&) = delete;

  private:
    std::string name_;
    std::optional<std::string> saved_;
};

} // namespace e2e
