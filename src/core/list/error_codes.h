// SPDX-License-Identifier: MIT
#pragma once
// The numbered errors of the program and the one routine that reports them.

#include <string>

#include "core/list/message_service.h"

namespace qorl {

enum ErrorCode : unsigned {
  kErrorLoadList = 1,      // the list file cannot be read
  kErrorCreateIndex = 2,   // the index file cannot be written
  kErrorLoadTopic = 3,     // a topic's bytes cannot be read from the held list file
  kErrorCommandLine = 10,  // an unknown command-line option word
};

// The message of an error code; codes outside the table read "Undefined error no. N". The code is
// an 8-bit number: larger values wrap as they would in one byte.
std::string ErrorMessage(unsigned code);

// Shows the code's message in a warning box.
void ShowError(MessageService& messages, unsigned code);

}  // namespace qorl
