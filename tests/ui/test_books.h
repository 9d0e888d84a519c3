#pragma once
// Books for the window tests, in the shapes real e-texts have, and the one
// way the tests write them to disk.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace qw::test {

// Writes `content` to `folder`/`name` and returns the path (empty on failure).
inline QString WriteTestFile(const QString& folder, const QString& name,
                             const QByteArray& content) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

// Paragraphs of numbered words "w00001 w00002 ..." : every word and every
// pair of words occurs once.
inline QByteArray NumberedWords(int words) {
    QByteArray text;
    for (int i = 1; i <= words; ++i) {
        text += "w" + QByteArray::number(i).rightJustified(5, '0');
        text += i % 60 == 0 ? "\r\n\r\n" : " ";
    }
    return text;
}

// A title line, then `chapters` chapters "CHAPTER <roman>" (numbered past
// XIV) after three blank lines, each of `paragraphs` paragraphs of four hard
// wrapped lines separated by one blank line.
inline QByteArray Novel(int chapters, int paragraphs) {
    static const char* const roman[] = {"I",    "II", "III", "IV", "V",   "VI",   "VII",
                                        "VIII", "IX", "X",   "XI", "XII", "XIII", "XIV"};
    QByteArray text = "THE TEST NOVEL\r\n\r\nby Nobody\r\n";
    for (int c = 0; c < chapters; ++c) {
        text += "\r\n\r\n\r\n";
        text += c < 14 ? QByteArray("CHAPTER ") + roman[c] : "CHAPTER " + QByteArray::number(c + 1);
        text += "\r\n\r\n";
        for (int p = 0; p < paragraphs; ++p) {
            for (int line = 0; line < 4; ++line)
                text += "It was chapter " + QByteArray::number(c + 1) +
                        " and the words went on and on here.\r\n";
            text += "\r\n";
        }
    }
    return text;
}

// Paragraphs of six hard-wrapped lines and a short last one; paragraph k's
// words carry its number ("word17"), and every paragraph ends "with a final
// line." so a lost or doubled last line shows.
inline QByteArray HardWrappedBook(int paragraphs) {
    QByteArray text;
    for (int p = 0; p < paragraphs; ++p) {
        for (int line = 0; line < 6; ++line) {
            QByteArray l;
            while (l.size() < 60)
                l += "word" + QByteArray::number(p) + ' ';
            text += l.trimmed() + "\r\n";
        }
        text += "with a final line.\r\n\r\n";
    }
    return text;
}

} // namespace qw::test
