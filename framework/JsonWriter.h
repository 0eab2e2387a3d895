#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

// The version of the JSON the command line writes, the "format" member at the top of
// each output. 2: colours as "#RRGGBB", sizes and styles as numbers.
inline constexpr int JsonFormatVersion = 2;

// Writes JSON in the order the caller gives, for the outputs scripts read (the scheme,
// its report and the contrast audit). Every string is escaped, so any text the user
// put in a scheme file comes out as valid JSON and reads back the same. Objects and
// arrays are written one member a line, indented by two spaces, unless opened as
// Inline, which keeps them on one line ({"a": 1, "b": 2}).
//
//     JsonWriter json;
//     json.beginObject();
//     json.field(u"level", QStringLiteral("AA"));
//     json.key(u"checks");
//     json.beginArray();
//     ...
//     json.endArray();
//     json.endObject();
//     QByteArray text = json.finish();
class JsonWriter {
public:
    enum class Layout { Lines, Inline };

    void beginObject(Layout layout = Layout::Lines);
    void endObject();
    void beginArray(Layout layout = Layout::Lines);
    void endArray();
    // The name of the next member of the object being written.
    void key(QStringView name);

    void value(const QString& text);
    void value(QLatin1StringView text) { value(QString(text)); }
    void value(qint64 number);
    void value(int number) { value(static_cast<qint64>(number)); }
    // The shortest form that reads back as the same double: 4.5, 21, 0.1. A value that
    // is not finite, which JSON cannot hold, is written as null.
    void value(double number);
    void value(bool flag);

    template <typename T> void field(QStringView name, const T& v) {
        key(name);
        value(v);
    }

    // The text written, with a line end after the outermost value.
    QByteArray finish() const { return out_ + '\n'; }

private:
    struct Level {
        Layout layout;
        bool empty = true;
    };
    void beforeValue();
    void open(char bracket, Layout layout);
    void close(char bracket);
    void newLine();

    QByteArray out_;
    QList<Level> levels_;
    bool afterKey_ = false;
};

// `text` as a JSON string literal, quotes included: '"' and '\' escaped, control
// characters as \n, \r, \t or \u00XX, everything else as UTF-8.
QByteArray jsonString(QStringView text);
