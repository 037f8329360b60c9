#pragma once
// A small streaming JSON writer for qlrtool's output (UTF-8, commas handled here).
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "text/Utf8.h"

namespace qlrtool {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }

    JsonWriter& Key(std::string_view name) {
        Separate();
        WriteString(name);
        out_ << ':';
        afterKey_ = true;
        return *this;
    }
    JsonWriter& Value(std::int64_t v) {
        Separate();
        out_ << v;
        return *this;
    }
    JsonWriter& Null() {
        Separate();
        out_ << "null";
        return *this;
    }
    JsonWriter& Value(bool v) {
        Separate();
        out_ << (v ? "true" : "false");
        return *this;
    }
    JsonWriter& Value(std::string_view utf8) {
        Separate();
        WriteString(utf8);
        return *this;
    }
    template <typename T>
    JsonWriter& Field(std::string_view name, const T& v) {
        Key(name);
        if constexpr (std::is_same_v<T, bool>) return Value(v);
        else if constexpr (std::is_integral_v<T>) return Value(static_cast<std::int64_t>(v));
        else return Value(std::string_view(v));
    }

private:
    JsonWriter& Open(char c) {
        Separate();
        out_ << c;
        first_.push_back(true);
        return *this;
    }
    JsonWriter& Close(char c) {
        out_ << c;
        first_.pop_back();
        if (first_.empty()) out_ << '\n';
        return *this;
    }
    void Separate() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (first_.empty()) return;
        if (!first_.back()) out_ << ',';
        first_.back() = false;
    }
    // Bytes that are no UTF-8 (a path's, say) become U+FFFD, so the output is always JSON.
    void WriteString(std::string_view s) {
        out_ << '"';
        for (const char32_t c : quillora::text::DecodeUtf8(s)) {
            switch (c) {
                case '"': out_ << "\\\""; break;
                case '\\': out_ << "\\\\"; break;
                case '\n': out_ << "\\n"; break;
                case '\r': out_ << "\\r"; break;
                case '\t': out_ << "\\t"; break;
                default:
                    if (c < 0x20) {
                        static const char hex[] = "0123456789abcdef";
                        out_ << "\\u00" << hex[c >> 4] << hex[c & 15];
                    } else {
                        out_ << quillora::text::EncodeUtf8(c);
                    }
            }
        }
        out_ << '"';
    }

    std::ostream& out_;
    std::vector<bool> first_;
    bool afterKey_ = false;
};

}  // namespace qlrtool
