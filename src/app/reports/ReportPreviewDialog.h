#pragma once

#include "reports/ReportData.h"

#include <QDialog>
#include <memory>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace herd {
class ReportEngine;
}

// The print preview every report is shown in ("Náhľad tlače"): the pages as
// they will print, with printing, saving as PDF, page setup ("Nastavenia"),
// zoom and page navigation. The engine draws onto the dialog's printer, so
// the preview, the paper and the PDF come from the same code.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the report modally; a report that cannot run (missing project or
    // report name) is refused with the engine's message and shows nothing.
    static void run(herd::ReportEngine& engine, const QString& report, herd::ReportData data,
                    QWidget* parent = nullptr);

    // The dialog for a report the engine has (see run()).
    ReportPreviewDialog(herd::ReportEngine& engine, const QString& report, herd::ReportData data,
                        QWidget* parent = nullptr);
    ~ReportPreviewDialog() override;

    QPrintPreviewWidget* preview() const { return m_preview; }
    QPrinter* printer() const { return m_printer.get(); }

public slots:
    void print();
    void saveAsPdf();
    void pageSetup();

private:
    void paint(QPrinter* printer);
    void buildToolBar();
    void showPage(int page);
    void updatePageLabel();

    herd::ReportEngine& m_engine;
    QString m_report;
    herd::ReportData m_data;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_preview = nullptr;
    QLabel* m_pageLabel = nullptr;
    bool m_printing = false; // the print dialog's page range applies
};
