#pragma once

// The user guide: HTML chapters in one folder (docs/guida in the sources, share/orvanta/guida
// once installed), named "NN-argomento.html" so that their order is the order of their names,
// each with its title in <title>, and pictures beside them.

#include <QString>
#include <QStringList>
#include <vector>

namespace orvanta {

struct GuideChapter {
    QString file;  // absolute path
    QString title; // from <title>, or the file name without extension
};

struct GuideMatch {
    GuideChapter chapter;
    int occurrences = 0; // of all the words together
    QString excerpt;     // a few words around the first occurrence
};

class UserGuide {
public:
    // The guide in a folder; empty when the folder holds no chapter.
    explicit UserGuide(const QString& folder);

    // The installed guide, else the one of the sources (when run from the build tree).
    static UserGuide find();

    bool empty() const { return chapters_.empty(); }
    const std::vector<GuideChapter>& chapters() const { return chapters_; }

    // The chapters that contain every word of the query (case and accents ignored), most
    // occurrences first; nothing for a query without words.
    std::vector<GuideMatch> search(const QString& query) const;

private:
    std::vector<GuideChapter> chapters_;
    std::vector<QString> texts_; // the plain text of each chapter
};

// Lower case without accents, for comparing what the user types with the guide's words.
QString foldedForSearch(const QString& text);

} // namespace orvanta
