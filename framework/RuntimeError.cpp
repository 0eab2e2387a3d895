#include "framework/RuntimeError.h"

#include "framework/FileAccess.h"

RuntimeError::RuntimeError(int number, QString description, QString source)
    : number_(number), description_(std::move(description)), source_(std::move(source)),
      what_(QStringLiteral("Err#%1 - %2").arg(number_).arg(description_).toUtf8()) {}

QString errorDescription(int number) {
    switch (number) {
    case Err::InvalidCall:
        return QStringLiteral("Invalid procedure call or argument");
    case Err::OutOfMemory:
        return QStringLiteral("Out of memory");
    case Err::Overflow:
        return QStringLiteral("Overflow");
    case Err::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case Err::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case Err::BadFileName:
        return QStringLiteral("Bad file name or number");
    case Err::FileNotFound:
        return QStringLiteral("File not found");
    case Err::DeviceIO:
        return QStringLiteral("Device I/O error");
    case Err::FileAlreadyExists:
        return QStringLiteral("File already exists");
    case Err::DiskFull:
        return QStringLiteral("Disk full");
    case Err::InputPastEnd:
        return QStringLiteral("Input past end of file");
    case Err::TooManyFiles:
        return QStringLiteral("Too many files");
    case Err::PermissionDenied:
        return QStringLiteral("Permission denied");
    case Err::PathFileAccess:
        return QStringLiteral("Path/File access error");
    case Err::PathNotFound:
        return QStringLiteral("Path not found");
    case Err::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case Err::Cancel:
        return QStringLiteral("Cancel was selected.");
    case Err::FileTooLarge:
        return QStringLiteral("File too large (more than %1 MiB)")
            .arg(MaxTextFileSize / (1024 * 1024));
    default:
        return QStringLiteral("Application-defined or object-defined error");
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
