#include "help_window.h"

#include "accessible_names.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orvanta {

HelpWindow::HelpWindow(UserGuide guide, QWidget* parent)
    : QWidget(parent, Qt::Window), guide_(std::move(guide)), contents_(new QListWidget),
      query_(new QLineEdit), results_(new QListWidget), page_(new QTextBrowser) {
    setObjectName("frmGuida");
    setWindowTitle(QStringLiteral("Guida di Orvanta"));
    resize(1000, 700);

    auto* contentsLabel = new QLabel(QStringLiteral("&Sommario"));
    contentsLabel->setObjectName("lblSommario");
    contents_->setObjectName("lstSommario");
    nameAfterLabel(*contentsLabel, *contents_);
    for (const GuideChapter& chapter : guide_.chapters())
        contents_->addItem(chapter.title);

    auto* queryLabel = new QLabel(QStringLiteral("&Cerca argomento:"));
    queryLabel->setObjectName("lblCerca");
    query_->setObjectName("txtCerca");
    query_->setPlaceholderText(QStringLiteral("parole da cercare nella guida"));
    query_->setClearButtonEnabled(true);
    nameAfterLabel(*queryLabel, *query_);
    results_->setObjectName("lstRisultati");
    nameControl(*results_, QStringLiteral("Capitoli trovati"));
    results_->setWordWrap(true);

    page_->setObjectName("txtGuida");
    nameControl(*page_, QStringLiteral("Pagina della guida"));
    page_->setOpenLinks(true);
    page_->setOpenExternalLinks(false);

    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(queryLabel);
    sideLayout->addWidget(query_);
    sideLayout->addWidget(results_, 1);
    sideLayout->addWidget(contentsLabel);
    sideLayout->addWidget(contents_, 2);

    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 740});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    connect(contents_, &QListWidget::currentRowChanged, this, &HelpWindow::openChapter);
    connect(query_, &QLineEdit::returnPressed, this, [this] { search(query_->text()); });
    connect(query_, &QLineEdit::textChanged, this, [this](const QString& text) { search(text); });
    connect(results_, &QListWidget::currentRowChanged, this, &HelpWindow::openMatch);
}

void HelpWindow::showContents() {
    if (contents_->currentRow() < 0 && contents_->count() > 0)
        contents_->setCurrentRow(0);
    show();
    raise();
    activateWindow();
    contents_->setFocus();
}

void HelpWindow::showSearch() {
    showContents();
    query_->setFocus();
    query_->selectAll();
}

void HelpWindow::openChapter(int index) {
    if (index < 0 || index >= static_cast<int>(guide_.chapters().size()))
        return;
    page_->setSource(QUrl::fromLocalFile(guide_.chapters()[static_cast<std::size_t>(index)].file));
}

void HelpWindow::search(const QString& query) {
    lastQuery_ = query;
    matches_ = guide_.search(query);
    results_->clear();
    for (const GuideMatch& match : matches_) {
        auto* item = new QListWidgetItem(match.chapter.title, results_);
        item->setToolTip(match.excerpt);
    }
}

void HelpWindow::openMatch(int row) {
    if (row < 0 || row >= static_cast<int>(matches_.size()))
        return;
    page_->setSource(QUrl::fromLocalFile(matches_[static_cast<std::size_t>(row)].chapter.file));
    const QStringList words = lastQuery_.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!words.isEmpty())
        page_->find(words.front());
}

} // namespace orvanta
