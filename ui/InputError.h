// A command stops on input it cannot use: a text that is not a number, a
// file that cannot be read or written. The text is the Japanese message for
// the user; the main window shows it in an error box and the command stops.
#pragma once

#include <stdexcept>
#include <string>

namespace kmr::ui {

class InputError : public std::runtime_error {
  public:
    explicit InputError(const std::string& utf8Message) : std::runtime_error(utf8Message) {}
};

}  // namespace kmr::ui
