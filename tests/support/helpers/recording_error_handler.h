// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "support/runtime_errors.h"

namespace murax::testing {

// For as long as it lives, notes every runtime error raised in `errors` and answers it: by
// abandoning the command, as a tester who expects none wants, or by the quiet default that gives
// up the one operation, as the file layer's own callers see it. The handler it replaced comes
// back at the end.
class RecordingErrorHandler {
public:
    enum class Answer { AbandonCommand, GiveUpOperation };

    explicit RecordingErrorHandler(Answer answer = Answer::AbandonCommand)
        : previous_(installErrorHandler([this, answer](const ErrorRecord& record) -> ErrorResult {
              errors.push_back(record);
              if (answer == Answer::AbandonCommand)
                  throw CommandAbandoned{};
              return ErrorResult::Zero;
          }))
    {}
    ~RecordingErrorHandler() { installErrorHandler(previous_); }
    RecordingErrorHandler(const RecordingErrorHandler&) = delete;
    RecordingErrorHandler& operator=(const RecordingErrorHandler&) = delete;

    std::vector<ErrorRecord> errors;

private:
    ErrorHandler previous_;
};

}  // namespace murax::testing
