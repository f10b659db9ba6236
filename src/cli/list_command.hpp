// tolvin-list: the list generators for scripts. One command line in, the bytes for
// standard output and standard error and the exit status out.
#pragma once

#include <string>
#include <vector>

namespace tolvin {

// Exit statuses of tolvin-list.
enum list_command_status : int {
    list_made = 0,   // something was written
    list_empty = 1,  // nothing expands, nothing is found: no output
    wrong_usage = 2, // a one-line message and the usage on standard error
    past_limit = 3,  // the input or the result does not fit a text box
    cannot_read = 4, // the input cannot be read (or the output not written)
};

struct list_command_result {
    int status = list_made;
    std::string out; // UTF-8
    std::string err; // UTF-8, lines ended by LF
};

// Runs one command line; `arguments` are the bytes the program was given, without its
// name. Texts must be UTF-8; FILE is opened by its bytes as given. The list is read
// from FILE, or from `input_fd` when FILE is absent or "-".
list_command_result run_list_command(const std::vector<std::string>& arguments, int input_fd);

} // namespace tolvin
