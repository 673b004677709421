#include "freetype/speed_test_records.h"

#include <algorithm>
#include <map>

#include "forms/forms.h"
#include "services/screen_ids.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"

namespace quillon {

namespace {

using forms::Tutor_Settings;

const char* const kValueNames[5] = {"Name", "Speed", "Number", "Rate", "Time"};

std::string Record_Section(Record_List list, int number) {
  return Record_List_Section(list) + "\\" + std::to_string(number);
}

// A record number as the store writes it: 1 to 32767, digits only.
bool Record_Number(const std::string& text, int& number) {
  if (text.empty() || text.size() > 5) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  number = std::stoi(text);
  return number >= 1 && number <= kMaxRecordNumber;
}

// The numbers of the records present, ascending.
std::vector<int> Record_Numbers(Record_List list) {
  std::vector<int> numbers;
  for (const std::string& name : Tutor_Settings::Get_Sections(Record_List_Section(list))) {
    int n = 0;
    if (Record_Number(name, n)) numbers.push_back(n);
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

// "Total" when it is a record number, else 0.
int Stored_Total(Record_List list) {
  int total = 0;
  if (!forms::Parse_Setting_Int(Tutor_Settings::Get(Record_List_Section(list), "Total"), total))
    return 0;
  return total >= 1 && total <= kMaxRecordNumber ? total : 0;
}

bool Record_Present(Record_List list, int number) {
  const std::vector<int> numbers = Record_Numbers(list);
  return std::binary_search(numbers.begin(), numbers.end(), number);
}

}  // namespace

std::string Record_List_Section(Record_List list) {
  return "Setting\\Test\\Remember\\Record\\" + std::to_string(Number(list));
}

bool Record_List_Of_Panel(int panel, Record_List& list) {
  if (panel == Number(Panel_Id::Out_Test)) list = Record_List::Free_Text;
  else if (panel == Number(Panel_Id::In_Test)) list = Record_List::Compare_Text;
  else return false;
  return true;
}

int Max_Records() {
  const int max = Read(kMaxRecord);
  return std::clamp(max, 1, kMaxRecordNumber);
}

Save_Outcome Save_Speed_Test_Record(Record_List list, const Speed_Test_Record& record) {
  const std::string section = Record_List_Section(list);
  const std::vector<int> numbers = Record_Numbers(list);
  const int total = Stored_Total(list);
  const int newest = std::max(total, numbers.empty() ? 0 : numbers.back());

  // The shown result is already the newest record: only its name changes.
  const std::string last = Trim(Tutor_Settings::Get(section, "Last Time"));
  if (!last.empty() && record.time == last) {
    const int at = total > 0 && Record_Present(list, total) ? total
                   : numbers.empty()                        ? 0
                                                            : numbers.back();
    if (at > 0) {
      Tutor_Settings::Save(Record_Section(list, at), "Name", record.name);
      return Save_Outcome::Renamed;
    }
  }

  Save_Outcome outcome = Save_Outcome::Added;
  int n = newest + 1;
  if (newest >= Max_Records() || n > kMaxRecordNumber) {
    Tutor_Settings::Delete_Section(section);
    n = 1;
    outcome = Save_Outcome::Restarted;
  }
  const std::string values[5] = {record.name, record.speed, record.number, record.rate,
                                 record.time};
  const std::string target = Record_Section(list, n);
  for (int i = 0; i < 5; ++i) Tutor_Settings::Save(target, kValueNames[i], values[i]);
  Tutor_Settings::Save(section, "Total", std::to_string(n));
  Tutor_Settings::Save(section, "Last Time", record.time);
  Write(kResultName, record.name);
  return outcome;
}

std::vector<Speed_Test_Record> Read_Record_List(Record_List list) {
  std::vector<int> numbers = Record_Numbers(list);
  const size_t shown = std::min(numbers.size(), static_cast<size_t>(Max_Records()));
  std::vector<Speed_Test_Record> records;
  records.reserve(shown);
  for (size_t i = numbers.size() - shown; i < numbers.size(); ++i) {
    std::map<std::string, std::string> values;
    for (auto& [name, value] : Tutor_Settings::Get_All(Record_Section(list, numbers[i]))) {
      std::string key = name;
      for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      values.emplace(key, value);
    }
    auto value = [&](const char* name) {
      std::string key = name;
      for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      auto it = values.find(key);
      return it == values.end() ? std::string() : it->second;
    };
    records.push_back({value("Name"), value("Speed"), value("Number"), value("Rate"),
                       value("Time")});
  }
  return records;
}

}  // namespace quillon
