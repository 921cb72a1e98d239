// The user guide that ships with the program (docs/guida): every chapter has its title, every
// picture and link it names is there, the pictures are PNG files of a reasonable size, and the
// help window shows a chapter with its pictures. The README's tour uses the guide's pictures.

#include "help_window.h"
#include "user_guide.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

namespace orvanta {

namespace {

const QString guideFolder = QStringLiteral(ORVANTA_GUIDE_DIR);
constexpr qint64 largestPictureBytes = 400 * 1024;

QString textOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The local files an HTML or Markdown text names: pictures (src="…", ](…)) and links
// (href="…"), without anchors; addresses with a scheme are left out.
QStringList namedFiles(const QString& text) {
    static const QRegularExpression reference(
        QStringLiteral(R"((?:src|href)\s*=\s*"([^"#]+)[^"]*"|\]\(([^)#\s]+)\))"));
    QStringList files;
    for (const QRegularExpressionMatch& m : reference.globalMatch(text)) {
        const QString target = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
        if (!target.contains(QLatin1String("://")) && !target.startsWith(QLatin1String("mailto:")))
            files << target;
    }
    return files;
}

// What is wrong with the files a text names, relative to its folder: missing files, pictures
// that are no PNG or too large.
QStringList brokenReferences(const QString& path) {
    QStringList broken;
    const QDir folder = QFileInfo(path).absoluteDir();
    for (const QString& target : namedFiles(textOf(path))) {
        const QString file = folder.absoluteFilePath(target);
        const QString where = QFileInfo(path).fileName() + QStringLiteral(": ") + target;
        if (!QFileInfo::exists(file)) {
            broken << where + QStringLiteral(" manca");
        } else if (target.endsWith(QLatin1String(".png"))) {
            if (QImage(file, "PNG").isNull())
                broken << where + QStringLiteral(" non è un PNG");
            if (QFileInfo(file).size() > largestPictureBytes)
                broken << where + QStringLiteral(" è troppo grande");
        }
    }
    return broken;
}

} // namespace

class UserGuideTest : public QObject {
    Q_OBJECT

private slots:
    void everyChapterHasItsTitleAndEveryFileItNames() {
        const UserGuide guide(guideFolder);
        QVERIFY(guide.chapters().size() >= 10);
        QStringList broken;
        int pictures = 0;
        for (const GuideChapter& chapter : guide.chapters()) {
            // Without <title> the contents would list the file's name.
            QVERIFY2(chapter.title != QFileInfo(chapter.file).completeBaseName(),
                     qPrintable(chapter.file));
            broken << brokenReferences(chapter.file);
            pictures += static_cast<int>(
                namedFiles(textOf(chapter.file)).filter(QStringLiteral(".png")).size());
        }
        QVERIFY(pictures >= 15);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("\n"))));
    }

    void theReadmeTourShowsPicturesOfTheGuide() {
        const QString readme = QStringLiteral(ORVANTA_README);
        const QStringList tour =
            namedFiles(textOf(readme)).filter(QStringLiteral("docs/guida/immagini/"));
        QVERIFY(tour.size() >= 3);
        const QStringList broken = brokenReferences(readme);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("\n"))));
    }

    // What Help > Sommario shows: the chapter with the grid, its picture loaded beside it.
    void theHelpWindowShowsAChapterWithItsPictures() {
        HelpWindow help{UserGuide(guideFolder)};
        help.showContents();
        auto* contents = help.findChild<QListWidget*>("lstSommario");
        const QList<QListWidgetItem*> grid =
            contents->findItems(QStringLiteral("griglia"), Qt::MatchContains);
        QVERIFY(!grid.isEmpty());
        contents->setCurrentItem(grid.front());
        auto* page = help.findChild<QTextBrowser*>("txtGuida");
        QVERIFY(page->toPlainText().contains(QStringLiteral("INSERISCI GEOMETRIA STRUTTURA")));
        const QVariant picture = page->loadResource(QTextDocument::ImageResource,
                                                    QUrl(QStringLiteral("immagini/griglia.png")));
        QVERIFY(!qvariant_cast<QImage>(picture).isNull() ||
                !qvariant_cast<QPixmap>(picture).isNull() ||
                !QImage::fromData(picture.toByteArray()).isNull());
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::UserGuideTest)
#include "user_guide_test.moc"
