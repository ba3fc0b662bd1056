#pragma once

#include <QString>

// Who watches a generation run: the progress form, the command-line tool, or
// nobody. Every call comes between two attempts, on the caller's thread.
class GenerationObserver {
public:
    virtual ~GenerationObserver() = default;

    // Runs of more than one attempt: attempt n begins; the form shows
    // creationAttemptLine(n) as progress line 1. Must not block.
    virtual void attemptStarted(int attempt) {}
    // Runs of more than one attempt: lets the window system process pending
    // events, so the form repaints and its Abort button responds.
    virtual void processEvents() {}
    // Runs of more than one attempt: true once the user asked to abort.
    virtual bool abortRequested() { return false; }
    // Runs of more than one attempt, at the end: progress line 1 or 2 takes
    // the given text.
    virtual void progressLine(int line, const QString& text) {}
    // Runs of more than one attempt that completed: sound the default beep.
    virtual void completed() {}
    // Single-attempt runs: show (true) or stop showing (false) the busy cursor.
    virtual void setBusy(bool busy) {}
    // The run stopped because the offensive word filter threw away too many
    // attempts in a row; `explanation` says so to the user. The default shows
    // it through the message service (caption "Notice").
    virtual void stoppedByFilter(const QString& explanation);
};

// "Creation Attempt #" followed by n.
QString creationAttemptLine(int attempt);
