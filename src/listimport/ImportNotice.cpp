#include "ImportNotice.h"

namespace quillora::listimport {

std::string ImportNotice(const ApplyResult& result) {
    std::string notice;
    if (result.leftOut > 0)
        notice += "ﾘｽﾄに入るのは50件までです。残りの" + std::to_string(result.leftOut) + "件は読み込みませんでした。\n";
    if (result.charactersReplaced)
        notice += "使用できない文字を置き換えました（ｱｸｾﾝﾄ付きの文字はｱｸｾﾝﾄを外し、その他は「?」にしました）。\n";
    if (result.textsCut) notice += "255ﾊﾞｲﾄを超えるﾘｽﾄﾃﾞｰﾀは切り詰めました。\n";
    return notice;
}

}  // namespace quillora::listimport
