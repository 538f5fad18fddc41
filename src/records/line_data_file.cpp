#include "records/line_data_file.h"

namespace scenario::records {

void encode_line_data_file(const PlanArray& plan, const ByteConsumer& out) {
  LittleEndianWriter writer(out);
  for (int column : {PlanArray::kX, PlanArray::kY}) {
    for (std::int32_t metre = 0; metre <= plan.last_metre(); ++metre) {
      const PlanArray::Kind kind = plan.kind(metre, column);
      writer.u16(static_cast<std::uint16_t>(kind));
      if (kind == PlanArray::Kind::kInt16) {
        writer.i16(static_cast<std::int16_t>(plan.value(metre, column)));
      } else if (kind == PlanArray::Kind::kDouble) {
        writer.f64(plan.value(metre, column));
      }
    }
  }
  writer.flush();
}

}  // namespace scenario::records
