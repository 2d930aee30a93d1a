#include "RtfDocument.h"

#include <QByteArray>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include "outputs/Windows1252.h"

#include <cstdint>
#include <map>
#include <vector>

namespace {

// Where the text of a group goes.
enum class Destination { Body, FontTable, Picture, Skipped };

struct GroupState {
    Destination Dest = Destination::Body;
    int Font = 0;
    int HalfPoints = 24; // the default size of rich text: 12 points
};

// The picture being read: its declared sizes and hex data.
struct Picture {
    bool Png = false;
    int Width = 0, Height = 0, WidthGoal = 0, HeightGoal = 0;
    QByteArray Hex;
};

constexpr int TwipsPerPixel = 15;

class Reader {
public:
    Reader(QTextDocument& document, const std::string& rtf)
        : document_(document), rtf_(rtf), cursor_(&document) {}

    void Run() {
        states_.push_back({});
        while (at_ < rtf_.size()) {
            const unsigned char c = static_cast<unsigned char>(rtf_[at_++]);
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break; // line ends of the file are not text
            default:
                Character(c);
                break;
            }
        }
        Flush();
    }

private:
    GroupState& State() { return states_.back(); }

    void OpenGroup() {
        Flush();
        GroupState inner = State();
        if (inner.Dest == Destination::Picture) inner.Dest = Destination::Skipped;
        states_.push_back(inner);
    }

    void CloseGroup() {
        Flush();
        if (states_.size() <= 1) return; // an unmatched "}" closes nothing
        if (State().Dest == Destination::Picture) InsertPicture();
        if (State().Dest == Destination::FontTable && fontNumber_ >= 0) EndFontEntry();
        states_.pop_back();
    }

    void ControlSequence() {
        if (at_ >= rtf_.size()) return;
        const char c = rtf_[at_];
        if (IsLetter(c)) {
            ControlWord();
            return;
        }
        ++at_;
        switch (c) {
        case '{':
        case '}':
        case '\\':
            Character(static_cast<unsigned char>(c));
            break;
        case '\'':
            HexCharacter();
            break;
        case '*':
            State().Dest = Destination::Skipped;
            break;
        case '~':
            Character(0xA0);
            break;
        default:
            break; // other control symbols carry no text here
        }
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    void ControlWord() {
        std::string word;
        while (at_ < rtf_.size() && IsLetter(rtf_[at_]) && word.size() < 32)
            word += rtf_[at_++];
        while (at_ < rtf_.size() && IsLetter(rtf_[at_]))
            ++at_; // an absurdly long word is cut
        bool hasValue = false, negative = false;
        std::int64_t value = 0;
        if (at_ < rtf_.size() && rtf_[at_] == '-') {
            negative = true;
            ++at_;
        }
        while (at_ < rtf_.size() && IsDigit(rtf_[at_])) {
            hasValue = true;
            if (value < 100000000) value = value * 10 + (rtf_[at_] - '0');
            ++at_;
        }
        if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_; // the delimiter belongs to the word
        Apply(word, hasValue ? static_cast<int>(negative ? -value : value) : 0, hasValue);
    }

    void Apply(const std::string& word, int value, bool hasValue) {
        GroupState& state = State();
        if (state.Dest == Destination::Skipped) return;
        if (state.Dest == Destination::Picture) {
            if (word == "pngblip")
                picture_.Png = true;
            else if (word == "picw")
                picture_.Width = value;
            else if (word == "pich")
                picture_.Height = value;
            else if (word == "picwgoal")
                picture_.WidthGoal = value;
            else if (word == "pichgoal")
                picture_.HeightGoal = value;
            return;
        }
        if (word == "fonttbl") {
            Flush();
            state.Dest = Destination::FontTable;
            fontNumber_ = -1;
        } else if (word == "pict") {
            Flush();
            state.Dest = Destination::Picture;
            picture_ = {};
        } else if (word == "f" && hasValue) {
            if (state.Dest == Destination::FontTable) {
                fontNumber_ = value;
                fontName_.clear();
            } else {
                Flush();
                state.Font = value;
            }
        } else if (word == "fs" && hasValue && value > 0 && value <= 2000) {
            Flush();
            state.HalfPoints = value;
        } else if (word == "par" && state.Dest == Destination::Body) {
            Flush();
            cursor_.insertBlock();
            atLineStart_ = true;
        } else if (word == "tab" && state.Dest == Destination::Body) {
            Character('\t');
        } else if (word == "colortbl" || word == "stylesheet" || word == "info" ||
                   word == "header" || word == "footer") {
            state.Dest = Destination::Skipped;
        }
    }

    void HexCharacter() {
        int byte = 0;
        for (int digit = 0; digit < 2; ++digit) {
            if (at_ >= rtf_.size()) return;
            const int nibble = HexValue(rtf_[at_]);
            if (nibble < 0) return;
            byte = byte * 16 + nibble;
            ++at_;
        }
        Character(static_cast<unsigned char>(byte));
    }

    static int HexValue(char c) {
        if (IsDigit(c)) return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void Character(unsigned char c) {
        switch (State().Dest) {
        case Destination::Skipped:
            return;
        case Destination::Picture:
            if (HexValue(static_cast<char>(c)) >= 0) picture_.Hex += static_cast<char>(c);
            return;
        case Destination::FontTable:
            if (fontNumber_ < 0) return;
            if (c == ';')
                EndFontEntry();
            else
                fontName_ += QChar(vantor::FromWindows1252(c));
            return;
        case Destination::Body:
            break;
        }
        // Indentation is meaningful in these documents; spaces at the start
        // of a line are kept from collapsing or wrapping away.
        if (c == ' ' && atLineStart_) {
            pending_ += QChar(0xA0);
            return;
        }
        atLineStart_ = false;
        // A control character (the zero byte that ends the header's ID2) has
        // no glyph; it shows, and copies, as its code: <00>.
        if (c < 0x20 && c != '\t') {
            pending_ += QStringLiteral("<%1>").arg(c, 2, 16, QChar('0')).toUpper();
            return;
        }
        pending_ += QChar(vantor::FromWindows1252(c));
    }

    void EndFontEntry() {
        fonts_[fontNumber_] = fontName_.trimmed();
        fontNumber_ = -1;
        fontName_.clear();
    }

    QTextCharFormat Format() const {
        const GroupState& state = states_.back();
        QTextCharFormat format;
        const auto font = fonts_.find(state.Font);
        const QString family = font == fonts_.end() ? QStringLiteral("Arial") : font->second;
        // The remote's own font is rarely installed; a plain sans face keeps
        // the names readable.
        format.setFontFamilies(QStringList{family, QStringLiteral("DejaVu Sans")});
        format.setFontPointSize(state.HalfPoints / 2.0);
        return format;
    }

    void Flush() {
        if (pending_.isEmpty()) return;
        cursor_.insertText(pending_, Format());
        pending_.clear();
    }

    void InsertPicture() {
        if (!picture_.Png || picture_.Hex.isEmpty()) return;
        const QImage image = QImage::fromData(QByteArray::fromHex(picture_.Hex), "PNG");
        if (image.isNull()) return;
        const QString name = QStringLiteral("rtfpicture:%1").arg(++pictures_);
        document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat format;
        format.setName(name);
        const int width =
            picture_.WidthGoal > 0 ? picture_.WidthGoal / TwipsPerPixel : image.width();
        const int height =
            picture_.HeightGoal > 0 ? picture_.HeightGoal / TwipsPerPixel : image.height();
        format.setWidth(width);
        format.setHeight(height);
        cursor_.insertImage(format);
        atLineStart_ = false;
    }

    QTextDocument& document_;
    const std::string& rtf_;
    std::size_t at_ = 0;
    QTextCursor cursor_;
    std::vector<GroupState> states_;
    std::map<int, QString> fonts_;
    int fontNumber_ = -1;
    QString fontName_;
    Picture picture_;
    int pictures_ = 0;
    QString pending_;
    bool atLineStart_ = true;
};

} // namespace

void LoadRtfDocument(QTextDocument& document, const std::string& rtf) {
    document.clear();
    Reader(document, rtf).Run();
}
