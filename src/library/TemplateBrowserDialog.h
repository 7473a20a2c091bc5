#pragma once

#include "library/TemplateListing.h"

#include <QDialog>
#include <QIcon>
#include <QList>

#include <map>
#include <vector>

class QButtonGroup;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quenby {

class ArtworkLocations;
class EditingSession;
class TemplateBrowsing;
class TemplatePreview;

// What the template browser works with: the session whose document it replaces, where
// the templates lie, the installation's language and the screen's scale.
struct TemplateBrowserContext {
    EditingSession& session;
    const ArtworkLocations& locations;
    int language = 0;
    double pixelsPerMm = 96.0 / 25.4;
};

// "Seleccionar una plantilla": the twelve kinds of template, the templates of the one
// chosen with a small picture of each beside its name, and a preview of the one
// selected. Selecting a row loads that template into the session's document at once
// (through `browsing`), so the preview shows the very document that OK opens.
//
// From the start screen the dialog has OK and Cancel; from the menu only OK, in the
// middle, and closing it in any way counts as OK.
class TemplateBrowserDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFirstCategoryButton = 200;

    TemplateBrowserDialog(const TemplateBrowserContext& context, TemplateBrowsing& browsing,
                          bool withCancel, QWidget* parent = nullptr);
    ~TemplateBrowserDialog() override;

    // The category listed (1..12).
    int Category() const { return category_; }
    // Lists category `category` (1..12) and selects its first template, as clicking
    // its button does.
    void ShowCategory(int category);

    QRadioButton* CategoryButton(int category) const;
    QListWidget* Templates() const { return templates_; }
    TemplatePreview* Preview() const { return preview_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }  // null from the menu

    void reject() override;

private:
    struct CategoryRows {
        std::vector<template_listing::TemplateEntry> entries;
        QList<QIcon> pictures;
    };
    // The rows of `category`, listed and drawn the first time it is shown.
    const CategoryRows& RowsOf(int category);
    std::optional<QString> TemplatePath(const QString& fileName) const;
    void SelectRow(int row);

    TemplateBrowserContext context_;
    TemplateBrowsing& browsing_;
    QButtonGroup* categories_;
    QListWidget* templates_;
    TemplatePreview* preview_;
    QPushButton* ok_;
    QPushButton* cancel_ = nullptr;
    int category_ = 1;
    std::map<int, CategoryRows> rows_;
};

// Runs the browser over `parent` and opens what it ends with (see TemplateBrowsing).
// From the start screen, Cancel, or OK with no template chosen, puts the document back
// as it was; from the menu the last template looked at is opened. True when a template
// was opened.
bool RunTemplateBrowser(const TemplateBrowserContext& context, bool fromStartScreen,
                        QWidget* parent);

}  // namespace quenby
