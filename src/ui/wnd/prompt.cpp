#include "ui/wnd/prompt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <cctype>
#include <utility>
#include <vector>

#include "ui/wnd/dialog.h"
#include "ui/wnd/wnd.h"

namespace {

CQtPromptService& QtService() {
  static CQtPromptService service;
  return service;
}

IPromptService*& CurrentPrompt() {
  static IPromptService* current = nullptr;
  return current;
}

IBeepSink*& CurrentBeep() {
  static IBeepSink* current = nullptr;
  return current;
}

std::string& AppName() {
  static std::string name;
  return name;
}

QWidget* OwnerWidget(CWnd* pOwner) {
  if (pOwner && pOwner->GetSafeHwnd()) return pOwner->GetSafeHwnd()->window();
  return QApplication::activeWindow();
}

QString ShownText(const std::string& text) {
  QString q = QString::fromStdString(text);
  q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return q;
}

// "PX62 Files (*.X417)|*.X417||" -> {description, patterns} pairs.
std::vector<std::pair<std::string, std::string>> FilterPairs(const std::string& filter) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : filter) {
    if (c == '|') {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty() && parts[i + 1].empty()) break;
    pairs.emplace_back(parts[i], parts[i + 1]);
  }
  return pairs;
}

// "*.X417" -> "*.[xX]417": the same name in any case.
QString AnyCasePattern(const std::string& pattern) {
  QString out;
  for (char c : pattern) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) {
      out += QLatin1Char('[');
      out += QLatin1Char(static_cast<char>(std::tolower(u)));
      out += QLatin1Char(static_cast<char>(std::toupper(u)));
      out += QLatin1Char(']');
    } else {
      out += QLatin1Char(c);
    }
  }
  return out;
}

std::optional<std::string> RunFileDialog(CWnd* pOwner, const FileDialogRequest& request, bool open) {
  // A folder that is not there opens the working folder; the dialog would
  // otherwise offer the folder's name as the file's.
  QString folder = QString::fromStdString(request.initialDir);
  if (!folder.isEmpty() && !QFileInfo(folder).isDir()) folder = QDir::currentPath();
  QFileDialog dialog(OwnerWidget(pOwner), QString::fromStdString(request.title), folder);
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  if (!open && !(request.flags & OFN_OVERWRITEPROMPT)) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.defaultExt.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first().toStdString();
}

}  // namespace

IPromptService& GetPromptService() { return CurrentPrompt() ? *CurrentPrompt() : QtService(); }
void SetPromptService(IPromptService* service) { CurrentPrompt() = service; }
IBeepSink& GetBeepSink() { return CurrentBeep() ? *CurrentBeep() : QtService(); }
void SetBeepSink(IBeepSink* sink) { CurrentBeep() = sink; }

void AfxSetAppName(const std::string& name) { AppName() = name; }
const std::string& AfxGetAppName() { return AppName(); }

int AfxMessageBox(const std::string& text, UINT nType) {
  return GetPromptService().MessageBox(nullptr, text, AfxGetAppName(), nType);
}

void MessageBeep(UINT nType) { GetBeepSink().MessageBeep(nType); }

QStringList QtNameFilters(const std::string& filter) {
  QStringList out;
  for (const auto& [description, patterns] : FilterPairs(filter)) {
    QStringList anyCase;
    std::string one;
    for (std::size_t i = 0; i <= patterns.size(); ++i) {
      if (i == patterns.size() || patterns[i] == ';') {
        if (!one.empty()) anyCase << AnyCasePattern(one);
        one.clear();
      } else if (patterns[i] != ' ') {
        one += patterns[i];
      }
    }
    // The patterns in the last parentheses are the ones matched; the
    // description itself is shown as it stands.
    out << QString::fromStdString(description) + QLatin1String(" (") + anyCase.join(QLatin1Char(' ')) +
               QLatin1Char(')');
  }
  return out;
}

int CQtPromptService::MessageBox(CWnd* pOwner, const std::string& text, const std::string& caption, UINT nType) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (nType & MB_ICONMASK) {
    case MB_ICONHAND: icon = QMessageBox::Critical; break;
    case MB_ICONQUESTION: icon = QMessageBox::Question; break;
    case MB_ICONEXCLAMATION: icon = QMessageBox::Warning; break;
    case MB_ICONASTERISK: icon = QMessageBox::Information; break;
    default: break;
  }
  QList<QMessageBox::StandardButton> order{QMessageBox::Ok};
  switch (nType & MB_TYPEMASK) {
    case MB_OKCANCEL: order = {QMessageBox::Ok, QMessageBox::Cancel}; break;
    case MB_ABORTRETRYIGNORE: order = {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}; break;
    case MB_YESNOCANCEL: order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}; break;
    case MB_YESNO: order = {QMessageBox::Yes, QMessageBox::No}; break;
    case MB_RETRYCANCEL: order = {QMessageBox::Retry, QMessageBox::Cancel}; break;
    default: break;
  }
  QMessageBox::StandardButtons buttons;
  for (auto b : order) buttons |= b;
  QMessageBox box(icon, QString::fromStdString(caption), ShownText(text), buttons, OwnerWidget(pOwner));
  box.setTextFormat(Qt::PlainText);
  const int defaultIndex = static_cast<int>((nType & MB_DEFMASK) >> 8);
  if (defaultIndex < order.size()) box.setDefaultButton(order[defaultIndex]);
  switch (box.exec()) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    default: return order.contains(QMessageBox::Cancel) ? IDCANCEL : IDOK;
  }
}

std::optional<std::string> CQtPromptService::GetOpenFileName(CWnd* pOwner, const FileDialogRequest& request) {
  return RunFileDialog(pOwner, request, true);
}

std::optional<std::string> CQtPromptService::GetSaveFileName(CWnd* pOwner, const FileDialogRequest& request) {
  return RunFileDialog(pOwner, request, false);
}

INT_PTR CQtPromptService::RunDialog(CDialog& dlg) { return dlg.DoModal(); }

void CQtPromptService::MessageBeep(UINT) { QApplication::beep(); }

void CPromptModelHost::ShowMessage(const std::string& text) { AfxMessageBox(text, MB_OK); }

void CPromptModelHost::Beep() { ::MessageBeep(0); }
