// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>
#include <string>

// The program's failures. Every one carries the message that a message box
// shows; catch EGlobina to report any of them.
class EGlobina : public std::exception {
public:
    explicit EGlobina(QString message);
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// Input/output failures: a message and an error code.
class EInOutError : public EGlobina {
public:
    explicit EInOutError(QString message, int code = 0);
    int Code() const { return code_; }

private:
    int code_;
};

class EFileNotFound : public EInOutError {
public:
    explicit EFileNotFound(const QString& fileName);
};

class EFileOpenFailed : public EInOutError {
public:
    EFileOpenFailed(const QString& reason, int code);
};

// A value or index outside its declared range.
class ERangeError : public EGlobina {
public:
    ERangeError();
};

// Checks an index or value against an inclusive range.
inline void RangeCheck(long long value, long long low, long long high) {
    if (value < low || value > high)
        throw ERangeError();
}
