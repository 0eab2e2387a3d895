#include "framework/RuntimeError.h"

#include "framework/FileAccess.h"

#include <QCoreApplication>

RuntimeError::RuntimeError(int number, QString description, QString source)
    : number_(number), description_(std::move(description)), source_(std::move(source)),
      what_(QStringLiteral("Err#%1 - %2").arg(number_).arg(description_).toUtf8()) {}

namespace {

QString tooLargeText(qint64 maxSize) {
    return QCoreApplication::translate("RuntimeError", "File too large (more than %1 MiB)")
        .arg(maxSize / (1024 * 1024));
}

} // namespace

// The catalogue texts are in the user's language where a translation is loaded (the
// desktop); the command line loads none and stays English.
QString errorDescription(int number) {
    switch (number) {
    case Err::InvalidCall:
        return QCoreApplication::translate("RuntimeError", "Invalid procedure call or argument");
    case Err::OutOfMemory:
        return QCoreApplication::translate("RuntimeError", "Out of memory");
    case Err::Overflow:
        return QCoreApplication::translate("RuntimeError", "Overflow");
    case Err::SubscriptOutOfRange:
        return QCoreApplication::translate("RuntimeError", "Subscript out of range");
    case Err::TypeMismatch:
        return QCoreApplication::translate("RuntimeError", "Type mismatch");
    case Err::BadFileName:
        return QCoreApplication::translate("RuntimeError", "Bad file name or number");
    case Err::FileNotFound:
        return QCoreApplication::translate("RuntimeError", "File not found");
    case Err::DeviceIO:
        return QCoreApplication::translate("RuntimeError", "Device I/O error");
    case Err::FileAlreadyExists:
        return QCoreApplication::translate("RuntimeError", "File already exists");
    case Err::DiskFull:
        return QCoreApplication::translate("RuntimeError", "Disk full");
    case Err::InputPastEnd:
        return QCoreApplication::translate("RuntimeError", "Input past end of file");
    case Err::TooManyFiles:
        return QCoreApplication::translate("RuntimeError", "Too many files");
    case Err::PermissionDenied:
        return QCoreApplication::translate("RuntimeError", "Permission denied");
    case Err::PathFileAccess:
        return QCoreApplication::translate("RuntimeError", "Path/File access error");
    case Err::PathNotFound:
        return QCoreApplication::translate("RuntimeError", "Path not found");
    case Err::InvalidPropertyValue:
        return QCoreApplication::translate("RuntimeError", "Invalid property value");
    case Err::InvalidPicture:
        return QCoreApplication::translate("RuntimeError", "Invalid picture");
    case Err::Cancel:
        return QCoreApplication::translate("RuntimeError", "Cancel was selected.");
    case Err::FileTooLarge:
        return tooLargeText(MaxTextFileSize);
    default:
        return QCoreApplication::translate("RuntimeError",
                                           "Application-defined or object-defined error");
    }
}

bool isFileError(int number) {
    switch (number) {
    case Err::BadFileName:
    case Err::FileNotFound:
    case Err::DeviceIO:
    case Err::DiskFull:
    case Err::InputPastEnd:
    case Err::TooManyFiles:
    case Err::PermissionDenied:
    case Err::PathFileAccess:
    case Err::PathNotFound:
    case Err::FileTooLarge:
    case Err::InvalidPicture:
        return true;
    default:
        return false;
    }
}

void raiseError(int number) {
    throw RuntimeError(number, errorDescription(number));
}

void raiseError(int number, const QString& description, const QString& source) {
    throw RuntimeError(number, description, source);
}

void raiseFileTooLarge(qint64 maxSize) {
    raiseError(Err::FileTooLarge, tooLargeText(maxSize));
}
