#pragma once

#include <QString>

#include <exception>

// A run-time error with the classic number and description. Routines throw it; the
// Procedure trap of the routine catches it and hands it to fcnMainErrorHandler.
class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description, QString source = {});

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const QString& source() const { return source_; }
    const char* what() const noexcept override { return what_.constData(); }

private:
    int number_;
    QString description_;
    QString source_;
    QByteArray what_;
};

// Numbers of the run-time errors this program raises.
namespace Err {
inline constexpr int InvalidCall = 5;
inline constexpr int OutOfMemory = 7;
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DeviceIO = 57;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int TooManyFiles = 67;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int InvalidPicture = 481;
inline constexpr int Cancel = 32755;
// A style sheet or scheme file beyond the size any real one has.
inline constexpr int FileTooLarge = 19692;
} // namespace Err

// True for the errors a file or folder causes (missing, unreadable, full, too large):
// the user needs to know which file it was.
bool isFileError(int number);

// The catalogue text for an error number; numbers outside the catalogue get the
// generic text for an application-defined error.
QString errorDescription(int number);

// Throws RuntimeError with the catalogue description.
[[noreturn]] void raiseError(int number);
[[noreturn]] void raiseError(int number, const QString& description, const QString& source = {});
// Err::FileTooLarge for a file beyond `maxSize` bytes, the limit named in the text.
[[noreturn]] void raiseFileTooLarge(qint64 maxSize);
