#pragma once

#include "document/Document.h"
#include "document/DocumentController.h"
#include "document/DocumentHost.h"
#include "document/ElementOwner.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <QWidget>

namespace quenby {

// The frame's client window: it holds the document and everything that edits it.
class EditorWindow final : public QWidget, public ElementOwner, public DocumentHost {
    Q_OBJECT

public:
    explicit EditorWindow(QWidget* parent = nullptr);

    Document& document() { return document_; }
    DocumentController& files() { return files_; }

    // ElementOwner
    int ZoomPercent() const override { return zoomPercent_; }
    QPoint ScrollOrigin() const override { return {}; }
    bool IsPrinting() const override { return false; }

    // DocumentHost
    void SetBusy(bool busy) override;
    void SetTitle(const QString& title) override;
    void Redraw() override { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Document document_;
    WidgetMessageBoxes messages_;
    WidgetFileDialogs dialogs_;
    DocumentController files_;
    int zoomPercent_ = 25;
};

}  // namespace quenby
