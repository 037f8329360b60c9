#include "windows/Tips.h"

#include "desktop/WebSite.h"

namespace quillora::windows {
namespace {

struct Tip {
    const char* heading;
    const char* body;
};

// Each whole text stays within 511 bytes in code page 932 (lines counted with CR LF).
const Tip kTips[kTipCount] = {
    {"■特徴",
     "　Quilloraは、丸いCD/DVDラベルを作って印刷するソフトです。\n\n"
     "・姉妹ソフト「Tessaline」と共通の操作画面\n"
     "・印刷イメージを画面で細かく確認\n"
     "・画像(BMP、JPEG)を好きな大きさで取り込み\n"
     "・文字や位置を細かく設定\n\n"
     "　このほかにも、便利な機能がそろっています。"},
    {"■レイヤー",
     "　文字も画像も、すべて「レイヤー」として作ります。レイヤーは透明なシートのようなもので、"
     "重ねてラベルを仕上げます。\n\n"
     "　レイヤーは50枚まで作れます。1枚ずつ表示・非表示を切り替えたり、コピーや削除をしたり、"
     "重なる順番を入れ替えたりできます。"},
    {"■リストレイヤー",
     "　ディスクの中身(ファイル名や曲名など)は、リストレイヤーに入力するのがおすすめです。\n\n"
     "　リストの位置や並び方、番号の書式などは自由に変えられます。"},
    {"■画像",
     "　きれいに印刷したいときは、大きめの画像を縮小して使いましょう。\n\n"
     "　画面では少し粗く見えることがありますが、印刷はきれいに仕上がります。"},
    {"■右クリック",
     "　ドキュメントウィンドウで右クリックすると、その場所に文字レイヤーや画像レイヤーを作れます。\n\n"
     "　レイヤーウィンドウで右クリックすると、レイヤーを操作するメニューが開きます。"},
    {"■印刷",
     "　印刷の位置や大きさは、すべてmm単位で指定します。\n\n"
     "　プリンタによっては、印刷が少しずれることがあります。そのときは「印刷設定」で位置を調整してください。"},
    {"■市販の用紙",
     "　印刷位置とラベルの大きさを合わせれば、市販のラベル用紙にも印刷できます。\n\n"
     "　ラベル用紙を使う前に、普通紙でテスト印刷をして位置を確かめておくと安心です。"},
    {"■ヘルプ",
     "　使い方の分からない機能があるときは、ヘルプをご覧ください。\n\n"
     "　F1キーを押すと、いつでもヘルプが開きます。"},
    {"■関連付け",
     "　ファイルの関連付けは、「その他」メニューの「環境設定...」で設定・解除できます。\n\n"
     "　関連付けをしておくと、CDラベルデータファイル(*.qlr)をダブルクリックするだけで開けるので便利です。"},
    {"■最新版",
     "　Quilloraの最新版は、開発元Brenmoor, Inc.のホームページから入手できます。\n\n"
     "%1\n\n"
     "　ぜひ一度お立ち寄りください。"},
};

}  // namespace

QString TipText(int number) {
    const Tip& tip = kTips[ShownTipNumber(number)];
    QString body = QString::fromUtf8(tip.body);
    if (body.contains(QLatin1String("%1"))) body = body.arg(QString::fromLatin1(desktop::kWebSiteUrl));
    return QLatin1Char('\n') + QString::fromUtf8(tip.heading) + QLatin1String("\n\n") + body;
}

int ShownTipNumber(int number) { return number >= 0 && number < kTipCount ? number : 0; }

int NextTipNumber(int number) { return (ShownTipNumber(number) + 1) % kTipCount; }

}  // namespace quillora::windows
