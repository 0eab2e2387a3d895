#include "framework/BuildPaths.h"
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QTest>

// The preview shows these pictures until a theme is read; its layout depends on their
// exact pixel sizes, and they must reach every program that links the desktop layer.
class TestPlaceholders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesAtDesignSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("background") << "background.gif" << QSize(629, 357);
        QTest::newRow("banner") << "banner.gif" << QSize(600, 64);
        QTest::newRow("navbutton") << "navbutton.gif" << QSize(141, 22);
        QTest::newRow("bullet1") << "bullet1.gif" << QSize(10, 10);
        QTest::newRow("bullet2") << "bullet2.gif" << QSize(8, 8);
        QTest::newRow("bullet3") << "bullet3.gif" << QSize(6, 6);
        QTest::newRow("rule") << "rule.gif" << QSize(600, 6);
        QTest::newRow("quicklink") << "quicklink.gif" << QSize(100, 20);
        QTest::newRow("quicklink-selected") << "quicklink-selected.gif" << QSize(100, 22);
        QTest::newRow("globalbutton") << "globalbutton.gif" << QSize(95, 20);
    }

    void decodesAtDesignSize() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QImageReader reader(QStringLiteral(":/placeholders/") + name);
        QCOMPARE(reader.format(), QByteArray("gif"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        // A placeholder is grey: every pixel has equal red, green and blue.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel));
            }
    }

    // The bundled theme's pictures are written by the same small encoder; Qt's own
    // reader must decode each of them completely.
    void studioPicturesDecode() {
        const QDir studio(QStringLiteral(TINTORA_BUILD_DATA_DIR "/Themes/Studio"));
        const QStringList names = studio.entryList({QStringLiteral("*.gif")}, QDir::Files);
        QCOMPARE(names.size(), 19);
        for (const QString& name : names) {
            QImageReader reader(studio.filePath(name));
            const QSize declared = reader.size();
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(),
                     qPrintable(name + QStringLiteral(": ") + reader.errorString()));
            QCOMPARE(image.size(), declared);
        }
    }
};

QTEST_GUILESS_MAIN(TestPlaceholders)
#include "test_placeholders.moc"
