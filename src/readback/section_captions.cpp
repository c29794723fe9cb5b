// The progress captions of the read-back's sections. A section starts inside
// a block, and its caption is shown at the byte where its fields begin.
#include "readback/block_fields.h"

namespace kavel {

const FieldTable& sectionCaptions() {
  static const FieldTable table{{
      {0x01, 2, SectionCaption{"正在加载麦克风数据......"}},
      {0x0B, 4, SectionCaption{"正在加载音乐数据......"}},
      {0x14, 4, SectionCaption{"正在加载超低音数据......"}},
      {0x16, 3, SectionCaption{"正在加载中置数据......"}},
      {0x19, 3, SectionCaption{"正在加载效果数据......"}},
      {0x21, 2, SectionCaption{"正在加载环绕部分数据......."}},
      {0x26, 2, SectionCaption{"正在加载配置部分数据......"}},
  }, {}};
  return table;
}

}  // namespace kavel
