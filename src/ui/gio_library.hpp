// GIO's application registry, loaded when the program first starts an application,
// so that a start that never does so neither loads GIO nor the libraries it pulls in.
#pragma once

#include <QString>

namespace tolvin {

class gio_library {
  public:
    // Loads the library of the given name (GIO's, unless a test gives another) and
    // finds the few routines used here; loaded() tells whether all were found.
    explicit gio_library(const char* soname = "libgio-2.0.so.0");

    bool loaded() const { return launch_for_uri_ != nullptr; }

    // Starts the desktop's default application for plain text on the file, passing the
    // file as one argument and no shell. Returns the reason when it cannot.
    QString launch_text_editor(const QString& path) const;

    // Opens the address with the desktop's handler for its scheme; false when it cannot.
    bool launch_for_uri(const QString& address) const;

  private:
    // GIO's routines, typed in the source file so that callers need no GLib header.
    void* default_for_type_ = nullptr;
    void* file_for_path_ = nullptr;
    void* launch_ = nullptr;
    void* unref_ = nullptr;
    void* clear_error_ = nullptr;
    void* launch_for_uri_ = nullptr; // set last, once every other one is found
};

} // namespace tolvin
