// The program's lasting settings: COM and printer port, the radio's memory map
// and the alignment value tables, kept in "PX417.CFG" (always) and "KM907.CFG"
// (the optional memory-map file) in the working folder. No Qt here: the shell
// connects the message sink to its message boxes.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

class CProgramConfig {
 public:
  static constexpr int kAlignTableSize = 18;
  using AlignTable = std::array<std::uint32_t, kAlignTableSize>;
  // Shows an OK message box with the given text.
  using MessageSink = std::function<void(const std::string&)>;

  CProgramConfig();
  virtual ~CProgramConfig() = default;

  // The folder the two files live in; empty (the default) is the working folder.
  void SetFolder(const std::filesystem::path& folder) { m_folder = folder; }
  const std::filesystem::path& GetFolder() const { return m_folder; }
  // Where the messages of Load and Save go; without a sink they go to stderr.
  void SetMessageSink(MessageSink sink) { m_sink = std::move(sink); }

  void Load();
  // Writes file 1 (creating it when missing) and file 2 when it exists. Returns
  // false when a file could not be written; the user has then been told.
  bool Save();

  void SetComPort(int index);
  int GetComPort() const { return m_comIndex; }
  void SetLptPort(int index);
  int GetLptPort() const { return m_lptIndex; }

  std::uint32_t GetFlashStart() const { return m_flashStart; }
  int GetEepromEnd() const { return m_eepromEnd; }
  int GetEepromSizeCode() const { return m_eepromSizeCode; }
  int GetBlockCount() const { return m_blockCount; }
  int GetMemMap1() const { return m_memMap1; }
  int GetMemMap2() const { return m_memMap2; }
  int GetMemMap3() const { return m_memMap3; }
  int GetMemMap4() const { return m_memMap4; }
  int GetMemMap5() const { return m_memMap5; }
  int GetMemMap6() const { return m_memMap6; }
  int GetMemMap7() const { return m_memMap7; }
  int GetMemMap8() const { return m_memMap8; }

  bool HasMemoryMapFile() const { return m_file2Read != 0; }
  bool IsBlockPushMode() const { return m_blockPush != 0; }
  bool IsRomModified() const { return m_romModified != 0; }
  void SetRomModified(bool on) { m_romModified = on ? 1 : 0; }
  bool IsRomEditorTransfer() const { return m_romEditorTransfer != 0; }
  void SetRomEditorTransfer(bool on) { m_romEditorTransfer = on ? 1 : 0; }

  // The two alignment value tables (entries 0 to 9 are kept in file 1).
  const AlignTable& GetAlignTable1() const { return m_alignTable1; }
  const AlignTable& GetAlignTable2() const { return m_alignTable2; }
  AlignTable& AlignTable1() { return m_alignTable1; }
  AlignTable& AlignTable2() { return m_alignTable2; }

  std::filesystem::path File1Path() const { return m_folder / m_file1Name; }
  std::filesystem::path File2Path() const { return m_folder / m_file2Name; }

 private:
  void ShowMessage(const std::string& text) const;
  void DeriveMemoryMap();
  void SetSecondTableDefaults();

  std::filesystem::path m_folder;
  MessageSink m_sink;

  std::string m_file1Name = "PX417.CFG";
  std::string m_file2Name = "KM907.CFG";
  std::uint32_t m_flashStart = 0x38000;
  int m_lptIndex = 0;
  int m_comIndex = 0;
  int m_eepromEnd = 127;
  int m_eepromSizeCode = 1;
  int m_memMap1 = 0;
  int m_blockCount = 0;
  int m_memMap2 = 0, m_memMap3 = 0, m_memMap4 = 0;
  int m_memMap5 = 0, m_memMap6 = 0, m_memMap7 = 0, m_memMap8 = 0;
  int m_file2Read = 0;
  int m_romModified = 0;
  int m_romEditorTransfer = 0;
  int m_blockPush = 0;
  std::uint16_t m_keptWordA = 0;
  std::array<std::uint8_t, 8> m_keptBytes{};
  std::uint16_t m_keptWordB = 8;
  AlignTable m_alignTable1{};
  AlignTable m_alignTable2{};
};

// The program's one configuration object.
CProgramConfig& TheProgramConfig();
