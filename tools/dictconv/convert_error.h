// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace dictconv {

// A conversion that cannot go on; the message is meant for the user as it stands.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that could not be written (a full disk, say); the command exits 2.
class WriteError : public ConvertError {
public:
    using ConvertError::ConvertError;
};

} // namespace dictconv
