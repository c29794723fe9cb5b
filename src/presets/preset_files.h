#pragma once
// 保存参数到电脑 (Command7) and 从电脑中调用 (Command9): the panels saved
// as a preset file of the connected processor's layout, and a preset file
// loaded into the panels and handed to the bulk import.
namespace kavel {

class Form1;

inline constexpr const char* kSavedMessage = "参数已保存完成";
inline constexpr const char* kNotAPresetMessage =
    "此效果文件格式不正确.无法完成调用,请确认此效果文件是否为当前软件所保存的文件!";

// Saves through a temporary file renamed over the old one: a failed save
// says why and leaves the old file as it was.
void savePresetToComputer(Form1& form);

// Reads and checks the whole file before anything changes; a file that is
// refused changes nothing, says what is wrong, and shows again the panel
// that was shown. A file of another layout is applied by identity.
void loadPresetFromComputer(Form1& form);

void connectPresetFiles(Form1& form);

}  // namespace kavel
