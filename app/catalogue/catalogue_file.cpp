// Encoding and decoding of the function database files, field by field in declaration order.
#include "app/catalogue/catalogue_file.h"

#include "app/catalogue/binary_stream.h"

namespace kv {

void WriteFunctionRecord(ByteWriter& out, const FunctionRecord& r) {
  out.WriteBlock(r.Reserved1);
  out.WriteNumber(r.Page);
  out.WriteNumber(r.Group);
  out.WriteText(r.Caption);
  out.WriteNumber(r.OsFilter);
  out.WriteNumber(r.RestartLevel);
  out.WriteText(r.HelpText);
  out.WriteText(r.InputPrompt);
  out.WriteNumber(r.InputKind);
  out.WriteText(r.StateKeyPath);
  out.WriteText(r.StateValueName);
  out.WriteNumber(r.StateValueKind);
  out.WriteText(r.OnValue);
  out.WriteNumber(r.StateWhenMatching);
  out.WriteNumber(r.StateWhenMissing);
  out.WriteText(r.DefaultText);
  out.WriteNumber(r.NumberStyle);
  out.WriteNumber(r.Minimum);
  out.WriteNumber(r.Maximum);
  out.WriteNumber(r.DefaultNumber);
  out.WriteNumber(r.Increment);
  out.WriteText(r.Unit);
  for (const RegistryAction& a : r.OnActions) out.WriteAction(a);
  for (const RegistryAction& a : r.OffActions) out.WriteAction(a);
  out.WriteBlock(r.Reserved2);
  out.WriteText(r.Reserved3);
  out.WriteNumber(r.Reserved4);
}

FunctionRecord ReadFunctionRecord(ByteReader& in) {
  FunctionRecord r;
  r.Reserved1 = in.ReadBlock<4>();
  r.Page = in.ReadNumber();
  r.Group = in.ReadNumber();
  r.Caption = in.ReadText();
  r.OsFilter = in.ReadNumber();
  r.RestartLevel = in.ReadNumber();
  r.HelpText = in.ReadText();
  r.InputPrompt = in.ReadText();
  r.InputKind = in.ReadNumber();
  r.StateKeyPath = in.ReadText();
  r.StateValueName = in.ReadText();
  r.StateValueKind = in.ReadNumber();
  r.OnValue = in.ReadText();
  r.StateWhenMatching = in.ReadNumber();
  r.StateWhenMissing = in.ReadNumber();
  r.DefaultText = in.ReadText();
  r.NumberStyle = in.ReadNumber();
  r.Minimum = in.ReadNumber();
  r.Maximum = in.ReadNumber();
  r.DefaultNumber = in.ReadNumber();
  r.Increment = in.ReadNumber();
  r.Unit = in.ReadText();
  for (RegistryAction& a : r.OnActions) a = in.ReadAction();
  for (RegistryAction& a : r.OffActions) a = in.ReadAction();
  r.Reserved2 = in.ReadBlock<4>();
  r.Reserved3 = in.ReadText();
  r.Reserved4 = in.ReadNumber();
  return r;
}

std::vector<std::uint8_t> EncodeFunctionFile(const std::vector<FunctionRecord>& records) {
  ByteWriter out;
  for (const FunctionRecord& r : records) WriteFunctionRecord(out, r);
  return out.Take();
}

std::vector<FunctionRecord> DecodeFunctionFile(const std::vector<std::uint8_t>& bytes, std::size_t count) {
  std::vector<FunctionRecord> records(count);
  ByteReader in(bytes);
  for (FunctionRecord& slot : records) {
    FunctionRecord r = ReadFunctionRecord(in);
    if (!in.ok()) break;  // a record cut by the end of the file: it and all later ones stay empty
    slot = std::move(r);
  }
  return records;
}

namespace {

void WriteGroupCaptionRecord(ByteWriter& out, const GroupCaptionRecord& r) {
  out.WriteText(r.Title);
  for (const std::string& caption : r.Captions) out.WriteText(caption);
}

GroupCaptionRecord ReadGroupCaptionRecord(ByteReader& in) {
  GroupCaptionRecord r;
  r.Title = in.ReadText();
  for (std::string& caption : r.Captions) caption = in.ReadText();
  return r;
}

}  // namespace

std::vector<std::uint8_t> EncodeGroupCaptionFile(const GroupCaptionTable& records) {
  ByteWriter out;
  for (const GroupCaptionRecord& r : records) WriteGroupCaptionRecord(out, r);
  return out.Take();
}

GroupCaptionTable DecodeGroupCaptionFile(const std::vector<std::uint8_t>& bytes) {
  GroupCaptionTable records{};
  ByteReader in(bytes);
  for (GroupCaptionRecord& slot : records) {
    GroupCaptionRecord r = ReadGroupCaptionRecord(in);
    if (!in.ok()) break;
    slot = std::move(r);
  }
  return records;
}

std::vector<std::uint8_t> EncodePageIndexFile(const PageFunctionTable& numbers) {
  ByteWriter out;
  for (std::int16_t n : numbers) out.WriteNumber(n);
  return out.Take();
}

PageFunctionTable DecodePageIndexFile(const std::vector<std::uint8_t>& bytes) {
  PageFunctionTable numbers{};
  ByteReader in(bytes);
  for (std::int16_t& n : numbers) {
    std::int16_t value = in.ReadNumber();
    if (!in.ok()) break;
    n = value;
  }
  return numbers;
}

}  // namespace kv
