#pragma once
// Environment variables through which the integration tests steer the host built for them
// (recorded message boxes, the stand-in hook library) and read what the helpers recorded.

// File to which every message box is appended as one line "caption|text|type" (UTF-8, the
// text's line breaks as "\n"). Unset: the recording build still never shows a box.
#define ZEMBRIK_DIALOG_LOG_VARIABLE L"ZEMBRIK_TEST_DIALOG_LOG"
// "yes": Yes/No questions are answered Yes; anything else: No.
#define ZEMBRIK_DIALOG_ANSWER_VARIABLE L"ZEMBRIK_TEST_DIALOG_ANSWER"
// Milliseconds each recorded box stays "open" before it is answered, dispatching the thread's
// messages meanwhile as a real box's modal loop does (WM_QUIT ends it early). Unset: at once.
#define ZEMBRIK_DIALOG_HOLD_VARIABLE L"ZEMBRIK_TEST_DIALOG_HOLD_MS"

// File to which the stand-in hook library appends "startHook" and "endHook", one per call.
#define ZEMBRIK_HOOK_LOG_VARIABLE L"ZEMBRIK_TEST_HOOK_LOG"
// "fail:N": startHook sends MSG_START_FAILED with reason N to the host and returns false.
#define ZEMBRIK_HOOK_START_VARIABLE L"ZEMBRIK_TEST_HOOK_START"

// File to which the command recorder appends its command line, then one line per argument.
#define ZEMBRIK_RECORDER_LOG_VARIABLE L"ZEMBRIK_TEST_RECORDER_LOG"

// File holding the calendar's "today" as "YYYY-MM-DD" (read at every use); unset or missing: the
// system clock.
#define ZEMBRIK_TODAY_FILE_VARIABLE L"ZEMBRIK_TEST_TODAY_FILE"
