#include "link/dialogs/rom_edit_dlg.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "ui/messages.h"
#include "ui/wnd/save_prompt.h"

namespace {

bool IsHexDigit(UINT ch) {
  return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
}

std::string CurrentDirectory() {
  std::error_code ec;
  const std::filesystem::path cwd = std::filesystem::current_path(ec);
  return ec ? std::string() : cwd.string();
}

}  // namespace

// ---- the dump edit ------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CRomHexEdit, CEdit)
  ON_WM_CHAR()
END_MESSAGE_MAP()

CRomHexEdit::CRomHexEdit() { MessageBeep(0); }

void CRomHexEdit::OnChar(UINT nChar, UINT, UINT) {
  if (!m_pEditor) return;
  int start = 0;
  int end = 0;
  GetSel(start, end);
  const CRomEditorModel::CharResult result = m_pEditor->OnChar(nChar, start);
  if (!IsHexDigit(nChar)) return;  // beeped; the text and caret stay
  m_strText = m_pEditor->Text();
  SetWindowText(m_strText);
  SetSel(result.caret, result.caret);
  SendMessage(EM_SCROLLCARET);
}

// ---- the editor ---------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CRomEditDlg, CDialog)
  ON_EN_CHANGE(IDC_ROM_DUMP, OnChangeDump)
  ON_BN_CLICKED(IDC_ROM_UP, OnUp)
  ON_BN_CLICKED(IDC_ROM_DOWN, OnDown)
  ON_BN_CLICKED(IDC_ROM_BOTTOM, OnBottom)
  ON_BN_CLICKED(IDC_ROM_TOP, OnTop)
  ON_BN_CLICKED(IDC_ROM_READ, OnReadFromRadio)
  ON_BN_CLICKED(IDC_ROM_SEND, OnSendToRadio)
  ON_BN_CLICKED(IDC_ROM_FILE_LOAD, OnFileLoad)
  ON_BN_CLICKED(IDC_ROM_FILE_SAVE, OnFileSave)
  ON_MESSAGE(WM_REPEAT_STEP, OnBlockChanged)
END_MESSAGE_MAP()

CRomEditDlg::CRomEditDlg(CWnd* pParent, CEditModel& model, const RomEditorMap& map, Services services)
    : m_services(std::move(services)),
      m_model(model),
      m_map(map),
      m_editor(model, map,
               CRomEditorModel::Hooks{[] { MessageBeep(0); },
                                      [this](bool on) {
                                        if (m_services.setRomModified) m_services.setRomModified(on);
                                      }}) {
  RegisterRomEditDialogTemplate();
  Create(IDD, pParent);
}

CRomEditDlg::~CRomEditDlg() {
  if (GetSafeHwnd()) {
    // Deleted while its window is up: the window goes without the object
    // deleting itself a second time.
    m_bInDestructor = true;
    CDialog::DestroyWindow();
  }
}

void CRomEditDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ROM_BLOCK_NUMBER, m_editBlock);
}

BOOL CRomEditDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_editDump.SubclassDlgItem(IDC_ROM_DUMP, this);
  m_editDump.SetEditor(&m_editor);
  // The dump's columns are counted in characters: a fixed-pitch font of the
  // dialog's size, also for the column header above it.
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(GetFont().pointSizeF() > 0 ? GetFont().pointSizeF() : 8.0);
  font.setStyleHint(QFont::TypeWriter);
  m_editDump.SetFont(font);
  AlignColumnHeader(font);

  m_editor.ShowBlock(0);
  ShowBlock();

  // UP counts the block down, DOWN counts it up; both within the blocks.
  int& block = m_editor.CurrentBlockRef();
  m_btnUp.SubclassDlgItem(IDC_ROM_UP, this);
  m_btnUp.Setup(GetSafeHwnd(), &block, block, 1, 1, block, m_editor.LastBlock());
  m_btnDown.SubclassDlgItem(IDC_ROM_DOWN, this);
  m_btnDown.Setup(GetSafeHwnd(), &block, block, 0, 1, block, m_editor.LastBlock());
  return TRUE;
}

// The header's byte numbers stand over the dump's digit columns: the header
// in the dump's font, moved so that its text starts where the dump's would
// three characters to the left (the header's numbers begin in column 10,
// the dump's bytes in column 7).
void CRomEditDlg::AlignColumnHeader(const QFont& font) {
  CWnd* header = GetDlgItem(IDC_ROM_COLUMN_HEADER);
  auto* dump = qobject_cast<QPlainTextEdit*>(m_editDump.GetSafeHwnd());
  if (!header || !dump) return;
  header->SetFont(font);
  const QFontMetricsF metrics(font);
  const int textLeft = dump->geometry().x() + dump->viewport()->geometry().x() +
                       static_cast<int>(dump->document()->documentMargin());
  CRect rect;
  header->GetWindowRect(&rect);
  ScreenToClient(&rect);
  const int x = std::max(0, textLeft - static_cast<int>(std::lround(metrics.horizontalAdvance(QString(3, '0')))));
  const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(QString(kDumpLineLength + 4, '0'))));
  header->MoveWindow(x, rect.top, std::max(rect.Width(), width), rect.Height());
}

BOOL CRomEditDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN &&
      (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_DELETE)) {
    return TRUE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CRomEditDlg::ShowBlock() {
  m_editBlock.SetWindowText(m_editor.BlockNumberText());
  m_editDump.SetWindowText(m_editor.Text());
}

// The dump changes only through typed digits. Anything else that reached the
// text (a paste, a drop) is put back, so the dump always shows the image.
void CRomEditDlg::OnChangeDump() {
  if (m_editDump.GetWindowText() == m_editor.Text()) return;
  int start = 0;
  int end = 0;
  m_editDump.GetSel(start, end);
  m_editDump.SetWindowText(m_editor.Text());
  m_editDump.SetSel(start, start);
}

void CRomEditDlg::OnUp() {
  m_editor.OnUp();
  ShowBlock();
}

void CRomEditDlg::OnDown() {
  m_editor.OnDown();
  ShowBlock();
}

void CRomEditDlg::OnTop() {
  m_editor.OnTop();
  ShowBlock();
}

void CRomEditDlg::OnBottom() {
  m_editor.OnBottom();
  ShowBlock();
}

LRESULT CRomEditDlg::OnBlockChanged(WPARAM, LPARAM lParam) {
  m_editor.OnBlockChanged(static_cast<int>(lParam));
  m_editBlock.SetWindowText(m_editor.BlockNumberText());
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return 0;
}

bool CRomEditDlg::RunClone(int nMode) {
  TransferSettings settings;
  if (m_services.transferSettings) {
    settings = m_services.transferSettings();
  } else {
    settings.eepromSizeCode = m_map.eepromSizeCode;
    settings.blockCount = m_map.blockCount;
    settings.flashStart = m_map.flashStart;
    settings.memMap1 = m_map.memMap1;
    settings.memMap6 = m_map.memMap6;
    settings.blockPushMode = m_map.blockPushMode;
  }
  // Sent as the editor left the image, read without the edit model's packing.
  settings.romEditorTransfer = true;
  CCloneDlg dlg(m_model, settings, this);
  dlg.SetMode(nMode);
  if (m_services.prepareClone) m_services.prepareClone(dlg);
  g_bTransferDone = 0;
  GetPromptService().RunDialog(dlg);
  return g_bTransferDone != 0;
}

void CRomEditDlg::OnReadFromRadio() {
  MessageBeep(0);
  if (m_services.querySaveChanges && !m_services.querySaveChanges()) return;
  const bool read = RunClone(CCloneDlg::kModeRead);
  m_editor.ShowFirstBlock(read);
  ShowBlock();
}

void CRomEditDlg::OnSendToRadio() {
  MessageBeep(0);
  RunClone(CCloneDlg::kModeSend);
}

void CRomEditDlg::OnFileLoad() {
  const std::string startDirectory = CurrentDirectory();
  FileDialogRequest request;
  request.title = "Select file";
  request.filter = "PX417 Files (*.X417)|*.X417||";
  request.initialDir = "Data";
  request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  const std::optional<std::string> path = GetPromptService().GetOpenFileName(this, request);
  if (!path || path->empty()) return;
  if (m_services.querySaveChanges && !m_services.querySaveChanges()) return;
  m_editor.LoadFile(*path, startDirectory);
  ShowBlock();
}

void CRomEditDlg::OnFileSave() {
  FileDialogRequest request;
  request.title = "Select save file";
  request.filter = "*.X417|*.X417||";
  request.initialDir = "Data";
  // A new name must be possible: the file need not exist.
  request.flags = OFN_HIDEREADONLY;
  const std::optional<std::string> path = ChooseFileToSave(this, request, RomEditorSaveName);
  if (!path) return;
  m_editor.SaveFile(*path);
}

void CRomEditDlg::OnCancel() { DestroyWindow(); }

void CRomEditDlg::PostNcDestroy() {
  CDialog::PostNcDestroy();
  if (m_bInDestructor) return;
  if (m_services.onDestroyed) m_services.onDestroyed();
  delete this;
}
