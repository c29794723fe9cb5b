#pragma once
// The bulk import: the whole parameter set sent to the processor in one
// frame, rebuilt from the panels and written on every tick of Timer4 until
// the processor answers "358213" (the reply dispatcher ends it), 101
// transmissions go unanswered, or a panel command replaces the import's kind.
#include <cstddef>
#include <optional>

#include "controls/bytes.h"

namespace kavel {

class Form1;

inline constexpr const char* kImportTimeout = "下载数据超时,请稍后重试!";
inline constexpr const char* kImportTimeoutTitle = "提示4";
inline constexpr int kImportPauseMs = 5;

// The import kind of a processor: 71 for models 1 and 2, 79 for model 3,
// 77 for its second variant.
int bulkImportKind(int deviceModel, bool altModel3);
// The frame size of an import kind (224, 223 or 221); 0 for any other kind.
std::size_t importFrameSize(int kind);

// The import frame of `kind` as the panels stand now. Empty for a kind that
// is not an import, or when a value has no wire byte.
std::optional<Bytes> importFrame(int kind, Form1& form);

// Hands the loaded panels over to the import: commandKind becomes the
// connected processor's import kind and Timer4 starts, without a probe.
// Offline Timer4 is stopped and nothing starts; returns whether it started.
bool startBulkImport(Form1& form);

// One tick of Timer4: a frame while the import owns the pending kind, else its end.
void bulkImportTick(Form1& form);

// Gives Timer4's ticks to the import.
void connectBulkImport(Form1& form);

}  // namespace kavel
