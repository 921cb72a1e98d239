#include "user_guide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace orvanta {

namespace {

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString titleOf(const QString& html, const QString& fallback) {
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch found = title.match(html);
    return found.hasMatch() ? found.captured(1).simplified() : fallback;
}

QString plainText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().simplified();
}

int countOf(const QString& text, const QString& word) {
    int count = 0;
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + word.size()))
        ++count;
    return count;
}

} // namespace

QString foldedForSearch(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar ch : decomposed) {
        if (ch.category() != QChar::Mark_NonSpacing)
            folded += ch.toLower();
    }
    return folded;
}

UserGuide::UserGuide(const QString& folder) {
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*.html")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : files) {
        const QString path = dir.absoluteFilePath(name);
        const QString html = readText(path);
        chapters_.push_back({path, titleOf(html, QFileInfo(name).completeBaseName())});
        texts_.push_back(plainText(html));
    }
}

UserGuide UserGuide::find() {
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/orvanta/guida");
    UserGuide guide(installed);
    if (guide.empty())
        guide = UserGuide(QStringLiteral(ORVANTA_SOURCE_GUIDE_DIR));
    return guide;
}

std::vector<GuideMatch> UserGuide::search(const QString& query) const {
    const QStringList words = foldedForSearch(query).split(
        QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    std::vector<GuideMatch> matches;
    if (words.isEmpty())
        return matches;
    for (std::size_t i = 0; i < chapters_.size(); ++i) {
        const QString folded = foldedForSearch(texts_[i]);
        int total = 0;
        bool all = true;
        for (const QString& word : words) {
            const int n = countOf(folded, word);
            all = all && n > 0;
            total += n;
        }
        if (!all)
            continue;
        // Folding removes only combining marks, so positions in the folded text are those of
        // the original for the precomposed letters the guide is written with.
        const qsizetype at = folded.indexOf(words.front());
        const qsizetype from = std::max<qsizetype>(0, at - 40);
        QString excerpt = texts_[i].mid(from, 120).simplified();
        if (from > 0)
            excerpt.prepend(QStringLiteral("… "));
        matches.push_back({chapters_[i], total, excerpt + QStringLiteral(" …")});
    }
    std::stable_sort(matches.begin(), matches.end(), [](const GuideMatch& a, const GuideMatch& b) {
        return a.occurrences > b.occurrences;
    });
    return matches;
}

} // namespace orvanta
