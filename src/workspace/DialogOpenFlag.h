#pragma once
// Holds one of the dialog-open flags set for as long as its dialog is open, so that the
// floating windows refuse to start a second operation meanwhile.
namespace quillora::workspace {

class DialogOpenFlag {
public:
    explicit DialogOpenFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~DialogOpenFlag() { flag_ = false; }
    DialogOpenFlag(const DialogOpenFlag&) = delete;
    DialogOpenFlag& operator=(const DialogOpenFlag&) = delete;

    void Release() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace quillora::workspace
