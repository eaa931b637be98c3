#include "look/DisplayScale.h"
#include "look/ScaledBackground.h"

#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString skinDir()
{
    return qEnvironmentVariable("OSKEN_RUNTIME_DIR") + "/skin";
}

QSize pictureSize(const QString& path)
{
    return QImageReader(path).size();
}

} // namespace

class LookSkinTest : public QObject
{
    Q_OBJECT
private slots:
    void namedPictureExists_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size"); // an invalid size accepts any
        const QSize any;
        // The message box takes its base size from dlg.png, the progress dialog its outline from process.png.
        QTest::addRow("dlg") << "dlg.png" << QSize(400, 258);
        QTest::addRow("dlg_gun") << "dlg_gun.png" << QSize(400, 619);
        QTest::addRow("process") << "process.png" << QSize(200, 50);
        QTest::addRow("main background") << "cfgMainback.png" << QSize(999, 640);
        QTest::addRow("front view") << "mouse/OSKEN_R5/Mouse.png" << QSize(600, 800);
        QTest::addRow("side view") << "mouse/OSKEN_R5_Side.png" << any;
        for (const char* name :
             {"bat1.png", "tabbutton-1.png", "tabbutton-2.png", "tabbutton-3.png", "lightning.png", "warn.png",
              "gunset_slider.png", "gunset_bullet.png", "bulletsel.png", "profilesel.png", "checkbox2-1.png",
              "checkbox2-2.png", "DPI-OFF.png", "DPI-ON.png", "rate.png", "icon.png"})
            QTest::addRow("%s", name) << name << any;
        for (int i = 1; i <= 4; ++i) {
            QTest::addRow("btn_up%d", i) << QString("btn_up%1.png").arg(i) << any;
            QTest::addRow("btn_down%d", i) << QString("btn_down%1.png").arg(i) << any;
        }
        for (int i = 1; i <= 7; ++i)
            QTest::addRow("mouse_%d", i) << QString("mouse/OSKEN_R5/mouse_%1.png").arg(i) << QSize(600, 800);
    }
    void namedPictureExists()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(skinDir() + "/" + path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + ": " + reader.errorString()));
        if (size.isValid())
            QCOMPARE(image.size(), size);
    }

    // A picture that a window names but the generator does not paint would show as an empty widget.
    void everyPathInTheSourcesIsPainted()
    {
        static const QRegularExpression literal(QStringLiteral("\"\\.?/skin/([^\"%]+\\.(?:png|ico))\""));
        QStringList missing;
        int iFound = 0;
        QDirIterator it(qEnvironmentVariable("OSKEN_SOURCE_DIR") + "/src", {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            auto matches = literal.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext()) {
                const QString name = matches.next().captured(1);
                ++iFound;
                if (!QFile::exists(skinDir() + "/" + name))
                    missing << name + " (" + it.fileName() + ")";
            }
        }
        QVERIFY(iFound > 0);
        QVERIFY2(missing.isEmpty(), qPrintable("not painted: " + missing.join(", ")));
    }

    void iconHoldsEverySize()
    {
        QImageReader reader(skinDir() + "/icon.ico");
        QCOMPARE(reader.imageCount(), 4);
        QList<int> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.width(), image.height());
            sizes << image.width();
        }
        QCOMPARE(sizes, QList<int>({16, 32, 48, 256}));
    }

    void highlightsLightDifferentParts()
    {
        const QImage plain(skinDir() + "/mouse/OSKEN_R5/Mouse.png");
        QVERIFY(!plain.isNull());
        QList<QImage> lit;
        for (int i = 1; i <= 7; ++i) {
            const QImage image(skinDir() + QString("/mouse/OSKEN_R5/mouse_%1.png").arg(i));
            QVERIFY(image != plain);
            for (const QImage& other : lit)
                QVERIFY(image != other);
            lit << image;
        }
    }

    void levelBackgroundsHaveTheWindowSize()
    {
        for (int iLevel = 0; iLevel < look::kScaleLevelCount; ++iLevel) {
            const QString path = skinDir() + QString("/cfgMainback_%1.png").arg(iLevel);
            QCOMPARE(pictureSize(path), look::scaledWindowSize(look::scaleForLevel(iLevel)));
        }
        // The window's mask comes from the picture: cut corners, solid inside.
        const QImage level4(skinDir() + "/cfgMainback_4.png");
        QCOMPARE(qAlpha(level4.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(level4.pixel(level4.width() - 1, level4.height() - 1)), 0);
        QCOMPARE(qAlpha(level4.pixel(level4.width() / 2, level4.height() / 2)), 255);
    }

    void scaledBackgroundPrefersPaintedLevel()
    {
        QTemporaryDir dir;
        QImage painted(look::scaledWindowSize(1.5), QImage::Format_RGB32);
        painted.fill(Qt::blue);
        QVERIFY(painted.save(dir.path() + "/bg_2.png"));
        QImage wrongSize(100, 100, QImage::Format_RGB32);
        wrongSize.fill(Qt::green);
        QVERIFY(wrongSize.save(dir.path() + "/bg_1.png"));

        QPixmap source(QSize(999, 640));
        source.fill(Qt::red);
        look::ScaledBackground background(source);
        background.setLevelPictures(dir.path() + "/bg_%1.png");
        QVERIFY(!background.has(2));

        const QImage level2 = background.forLevel(2).toImage();
        QCOMPARE(level2.size(), QSize(1498, 960));
        QCOMPARE(QColor(level2.pixel(10, 10)), QColor(Qt::blue));
        QVERIFY(background.has(2));
        // A picture of another size, or none, falls back to scaling the source.
        const QImage level1 = background.forLevel(1).toImage();
        QCOMPARE(level1.size(), QSize(1248, 800));
        QCOMPARE(QColor(level1.pixel(10, 10)), QColor(Qt::red));
        QCOMPARE(background.forLevel(3).size(), QSize(1748, 1120));
        QCOMPARE(background.forLevel(-5).size(), QSize(999, 640));
    }

    void scaledBackgroundLoadsTheSkin()
    {
        look::ScaledBackground background;
        QVERIFY(!background.loadSkin("/skin/no-such-picture.png"));
        QVERIFY(background.forLevel(1).isNull());
        QVERIFY(background.loadSkin("/skin/cfgMainback.png"));
        const QImage level1 = background.forLevel(1).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage painted = QImage(skinDir() + "/cfgMainback_1.png").convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(level1.size(), QSize(1248, 800));
        QVERIFY(level1 == painted);
    }
};

QTEST_MAIN(LookSkinTest)
#include "LookSkinTest.moc"
