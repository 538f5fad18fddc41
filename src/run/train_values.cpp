#include "run/train_values.h"

namespace scenario::run {

EntryOutcome compile_brake_mass_row(RunCompilation& run) {
  run.records.header[records::kTrainValuesSlot].long_a = run.reader.read_int32();
  return EntryOutcome::kGoOn;
}

EntryOutcome compile_cars_row(RunCompilation& run) {
  run.records.header[records::kTrainValuesSlot].long_c = run.reader.read_int32();
  return EntryOutcome::kGoOn;
}

EntryOutcome compile_clock_row(RunCompilation& run) {
  records::TableRecord& slot = run.records.header[records::kRunSlot];
  slot.short_c = run.reader.read_int16();
  slot.short_d = run.reader.read_int16();
  slot.short_e = run.reader.read_int16();
  return EntryOutcome::kGoOn;
}

EntryOutcome compile_sand_row(RunCompilation& run) {
  run.records.header[records::kRunSlot].short_a = run.reader.read_int16();
  return EntryOutcome::kGoOn;
}

}  // namespace scenario::run
