// The print dialog of the prompt service: the system's print dialog in the
// program, a prepared printer (usually one writing a PDF file) in tests.
#include <QApplication>
#include <QPrintDialog>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/wnd/prompt.h"
#include "ui/wnd/scripted_prompt.h"
#include "ui/wnd/wnd.h"

namespace {

QWidget* OwnerOf(CWnd* pOwner) {
  if (pOwner && pOwner->GetSafeHwnd()) return pOwner->GetSafeHwnd()->window();
  return QApplication::activeWindow();
}

std::shared_ptr<QPrinter> PdfPrinter(const std::string& path) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(path));
  return printer;
}

}  // namespace

std::shared_ptr<QPrinter> IPromptService::PrintDialog(CWnd*, const PrintDialogRequest&) { return nullptr; }

std::shared_ptr<QPrinter> CQtPromptService::PrintDialog(CWnd* pOwner, const PrintDialogRequest& request) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  // Printing to a PDF file is always offered here, whatever the request says
  // about the print-to-file box: on this platform a computer often has no
  // printer queue, and a PDF file is then the way to print. The file offered
  // is the request's; with no queue at all it is chosen from the start, with a
  // queue the default printer stays the choice, unless the request starts
  // from a choice of its own.
  const QString file = request.fileName.empty() ? QDir::current().absoluteFilePath(QStringLiteral("PX417.pdf"))
                                                : QString::fromStdString(request.fileName);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file);
  const QStringList queues = QPrinterInfo::availablePrinterNames();
  if (const std::optional<PrintChoice>& start = request.start) {
    // The choice the request starts from: its printer while the queue is
    // still there (else the default one), or the PDF file; then its paper,
    // set last because changing the printer may change the paper.
    const QString queue = QString::fromStdString(start->printerName);
    if (!start->toFile && !queues.isEmpty()) {
      printer->setOutputFormat(QPrinter::NativeFormat);
      if (queues.contains(queue)) printer->setPrinterName(queue);
    }
    printer->setPageSize(start->paper);
    printer->setPageOrientation(start->orientation);
  } else if (!queues.isEmpty()) {
    printer->setOutputFormat(QPrinter::NativeFormat);
  }
  QPrintDialog dialog(printer.get(), OwnerOf(pOwner));
  QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
  options.setFlag(QAbstractPrintDialog::PrintSelection, !(request.flags & PD_NOSELECTION));
  options.setFlag(QAbstractPrintDialog::PrintPageRange, !(request.flags & PD_NOPAGENUMS));
  options.setFlag(QAbstractPrintDialog::PrintToFile, true);
  dialog.setOptions(options);
  if (request.minPage <= request.maxPage) dialog.setMinMax(request.minPage, request.maxPage);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

void CScriptedPrompts::AnswerPrintToPdf(std::optional<std::string> pdfPath) {
  Prepared& p = answers_.emplace_back();  // made in place: see Answer
  p.isPrint = true;
  if (pdfPath) p.printer = PdfPrinter(*pdfPath);
}

void CScriptedPrompts::AnswerPrinter(std::shared_ptr<QPrinter> printer) {
  Prepared& p = answers_.emplace_back();
  p.isPrint = true;
  p.printer = std::move(printer);
}

std::shared_ptr<QPrinter> CScriptedPrompts::PrintDialog(CWnd*, const PrintDialogRequest& request) {
  Shown s;
  s.kind = Kind::Print;
  s.print = request;
  shown_.push_back(s);
  auto answer = Next();
  if (!answer) return nullptr;
  if (answer->isPrint) return answer->printer;
  if (answer->isFile && answer->path) return PdfPrinter(*answer->path);
  return nullptr;  // any other answer cancels
}
