#pragma once

#include "editing/CalendarInsertion.h"
#include "editing/PictureChooser.h"
#include "graphics/CalendarDate.h"

#include <QDialog>

#include <optional>

class QListWidget;
class QPushButton;
class QSpinBox;

namespace quenby {

class DesignPreview;

// "Insertar un calendario": the month and year, the design and a preview of it.
class CalendarDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFirstYear = 1901;
    static constexpr int kLastYear = 2100;

    // Opens on the month and year of `today`; the designs are listed from the
    // calendar artwork's "styles" folder.
    explicit CalendarDialog(const PictureContext& context, QWidget* parent = nullptr,
                            const CalendarDate& today = CalendarDate());
    ~CalendarDialog() override;

    QListWidget* Months() const { return months_; }
    QSpinBox* Year() const { return year_; }
    QListWidget* Designs() const { return designs_; }
    DesignPreview* Preview() const { return preview_; }
    QPushButton* OkButton() const { return ok_; }

    // The month, year and design chosen now.
    CalendarChoice Choice() const;

private:
    void ShowDesign(int row);

    PictureContext context_;
    // Always day 1 of the chosen month, so that changing the month or year alone
    // never makes an invalid date (31 February would fall back to today).
    CalendarDate date_;
    QListWidget* months_;
    QSpinBox* year_;
    QListWidget* designs_;
    DesignPreview* preview_;
    QPushButton* ok_;
};

// Runs the dialog; the choice on OK. The calendar tool then inserts the calendar
// with InsertCalendar.
std::optional<CalendarChoice> RunCalendarDialog(const PictureContext& context, QWidget* parent);

}  // namespace quenby
