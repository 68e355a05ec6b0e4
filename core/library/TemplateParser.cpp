#include "core/library/TemplateParser.h"

#include <cstring>
#include <optional>

#include "core/library/TemplateTags.h"
#include "core/services/TextFile.h"

namespace {

// The parser's stack holds at most 10000 entries; an open block takes about three.
constexpr size_t kMaxOpenBlocks = 3300;
// The diagnostic text of one file is cut at this many characters.
constexpr size_t kMaxMessagesLength = 2047;

enum class TokenKind { Text, Foreach, Socket, Open, Else, Close, End };

struct Token {
    TokenKind kind = TokenKind::End;
    TemplateNodeKind block = TemplateNodeKind::Text;  // Open / Close: the block kind
    std::string text;
    int line = 1;
    int column = 1;
};

struct TagWithArgument {
    const char* keyword;
    TokenKind kind;
    TemplateNodeKind block;
};

// Longer keywords first: where two fit ("[[ifexist x]]" also fits "[[if" ARG "]]"),
// the longer one wins.
const TagWithArgument kTagsWithArgument[] = {
    {"islinktoself", TokenKind::Open, TemplateNodeKind::IsLinkToSelf},
    {"ifexist", TokenKind::Open, TemplateNodeKind::IfExist},
    {"foreach", TokenKind::Foreach, TemplateNodeKind::Foreach},
    {"socket", TokenKind::Socket, TemplateNodeKind::Socket},
    {"if", TokenKind::Open, TemplateNodeKind::If},
};

struct PlainTag {
    const char* text;
    TokenKind kind;
    TemplateNodeKind block;
};

const PlainTag kPlainTags[] = {
    {"[[/if]]", TokenKind::Close, TemplateNodeKind::If},
    {"[[/ifexist]]", TokenKind::Close, TemplateNodeKind::IfExist},
    {"[[/islinktoself]]", TokenKind::Close, TemplateNodeKind::IsLinkToSelf},
    {"[[first]]", TokenKind::Open, TemplateNodeKind::First},
    {"[[/first]]", TokenKind::Close, TemplateNodeKind::First},
    {"[[else]]", TokenKind::Else, TemplateNodeKind::Text},
};

class CMessageSink {
public:
    explicit CMessageSink(std::string fileName) : fileName_(std::move(fileName)) {}
    void Add(int line, int column, const std::string& message) {
        Append(fileName_ + ":" + std::to_string(line) + "." + std::to_string(column) + ": " + message + "\n");
    }
    void AddWithoutPosition(const std::string& message) { Append(fileName_ + ":" + message + "\n"); }
    std::string Take() { return std::move(text_); }

private:
    void Append(const std::string& message) {
        if (text_.size() >= kMaxMessagesLength) return;
        text_ += message.substr(0, kMaxMessagesLength - text_.size());
    }
    std::string fileName_;
    std::string text_;
};

// Splits template text into tokens. Text runs end at tags; a text run that is one
// single CR, tab or line feed on its own is dropped.
class CTemplateScanner {
public:
    CTemplateScanner(const std::string& text, CMessageSink& sink) : text_(text), sink_(sink) {}

    Token Next() {
        while (true) {
            if (pending_) {
                Token token = std::move(*pending_);
                pending_.reset();
                return token;
            }
            if (position_ >= text_.size()) {
                if (std::optional<Token> text = FlushText()) return *text;
                return MakeToken(TokenKind::End);
            }
            if (text_[position_] == '[') {
                if (std::optional<Token> tag = ScanTag()) {
                    std::optional<Token> text = FlushText();
                    if (!text) return *tag;
                    pending_ = std::move(tag);
                    return *text;
                }
                const bool doubled = position_ + 1 < text_.size() && text_[position_ + 1] == '[';
                const bool last = position_ + 1 == text_.size();
                if (doubled || last) {
                    sink_.Add(line_, column_, "illegal token[");
                    Advance(1);
                    continue;
                }
            }
            if (textRun_.empty()) {
                textLine_ = line_;
                textColumn_ = column_;
            }
            textRun_ += text_[position_];
            Advance(1);
        }
    }

private:
    std::optional<Token> ScanTag() {
        if (text_.compare(position_, 2, "[[") != 0) return std::nullopt;
        for (const PlainTag& tag : kPlainTags) {
            const size_t length = std::strlen(tag.text);
            if (text_.compare(position_, length, tag.text) == 0) return TakeTag(tag.kind, tag.block, length);
        }
        for (const TagWithArgument& tag : kTagsWithArgument) {
            const size_t keywordLength = std::strlen(tag.keyword);
            if (text_.compare(position_ + 2, keywordLength, tag.keyword) != 0) continue;
            const size_t argumentStart = position_ + 2 + keywordLength;
            size_t argumentEnd = argumentStart;
            while (argumentEnd < text_.size() && text_[argumentEnd] != ']') ++argumentEnd;
            if (argumentEnd == argumentStart || text_.compare(argumentEnd, 2, "]]") != 0) continue;
            return TakeTag(tag.kind, tag.block, argumentEnd + 2 - position_);
        }
        return std::nullopt;
    }

    Token TakeTag(TokenKind kind, TemplateNodeKind block, size_t length) {
        Token token = MakeToken(kind);
        token.block = block;
        token.text = text_.substr(position_, length);
        Advance(length);
        return token;
    }

    std::optional<Token> FlushText() {
        if (textRun_.empty()) return std::nullopt;
        std::string run = std::move(textRun_);
        textRun_.clear();
        if (run.size() == 1 && (run[0] == '\r' || run[0] == '\t' || run[0] == '\n')) return std::nullopt;
        Token token;
        token.kind = TokenKind::Text;
        token.text = std::move(run);
        token.line = textLine_;
        token.column = textColumn_;
        return token;
    }

    Token MakeToken(TokenKind kind) const {
        Token token;
        token.kind = kind;
        token.line = line_;
        token.column = column_;
        return token;
    }

    void Advance(size_t count) {
        for (size_t i = 0; i < count; ++i, ++position_) {
            if (text_[position_] == '\n') {
                ++line_;
                column_ = 1;
            } else {
                ++column_;
            }
        }
    }

    const std::string& text_;
    CMessageSink& sink_;
    size_t position_ = 0;
    int line_ = 1;
    int column_ = 1;
    std::string textRun_;
    int textLine_ = 1;
    int textColumn_ = 1;
    std::optional<Token> pending_;
};

// One open block while its lists are being filled; the bottom frame is the template.
struct OpenBlock {
    CTemplateNode node;
    bool inElse = false;
    TemplateList& Current() { return inElse ? node.elseList : node.thenList; }
};

CTemplateNode LeafNode(const Token& token, TemplateNodeKind kind) {
    CTemplateNode node;
    node.kind = kind;
    node.line = token.line;
    node.text = token.text;
    if (kind != TemplateNodeKind::Text) node.parts = SplitTagArguments(kind, node.text);
    return node;
}

// Builds the node lists from the tokens: a template and every branch hold at least
// one item, closing tags match their block, and a block has at most one else.
class CTemplateBuilder {
public:
    CTemplateBuilder(CTemplateScanner& scanner, CMessageSink& sink) : scanner_(scanner), sink_(sink) {}

    bool Build(TemplateList& result) {
        stack_.emplace_back();
        while (true) {
            Token token = scanner_.Next();
            switch (token.kind) {
            case TokenKind::Text: stack_.back().Current().push_back(LeafNode(token, TemplateNodeKind::Text)); break;
            case TokenKind::Foreach: stack_.back().Current().push_back(LeafNode(token, TemplateNodeKind::Foreach)); break;
            case TokenKind::Socket: stack_.back().Current().push_back(LeafNode(token, TemplateNodeKind::Socket)); break;
            case TokenKind::Open:
                if (stack_.size() > kMaxOpenBlocks) return Fail(token, "memory exhausted");
                stack_.push_back(OpenBlock{LeafNode(token, token.block)});
                if (token.block == TemplateNodeKind::First) stack_.back().node.text.clear();
                break;
            case TokenKind::Else:
                if (stack_.size() == 1 || stack_.back().inElse || stack_.back().node.thenList.empty())
                    return Fail(token, "syntax error");
                stack_.back().inElse = true;
                stack_.back().node.hasElse = true;
                break;
            case TokenKind::Close: {
                if (stack_.size() == 1 || stack_.back().node.kind != token.block || stack_.back().Current().empty())
                    return Fail(token, "syntax error");
                CTemplateNode node = std::move(stack_.back().node);
                stack_.pop_back();
                stack_.back().Current().push_back(std::move(node));
                break;
            }
            case TokenKind::End:
                if (stack_.size() != 1 || stack_.back().node.thenList.empty()) return Fail(token, "syntax error");
                result = std::move(stack_.back().node.thenList);
                return true;
            }
        }
    }

private:
    bool Fail(const Token& token, const char* message) {
        sink_.Add(token.line, token.column, message);
        return false;
    }

    CTemplateScanner& scanner_;
    CMessageSink& sink_;
    std::vector<OpenBlock> stack_;
};

std::string NormalizeLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

}  // namespace

TemplateParseResult ParseTemplateText(const std::string& text, const std::string& fileName) {
    TemplateParseResult result;
    CMessageSink sink(fileName);
    const std::string normalized = NormalizeLineEnds(text);
    CTemplateScanner scanner(normalized, sink);
    CTemplateBuilder builder(scanner, sink);
    result.ok = builder.Build(result.nodes);
    if (!result.ok) result.nodes.clear();
    result.messages = sink.Take();
    return result;
}

TemplateParseResult ParseTemplate(const std::string& filePath) {
    std::string text;
    if (!ReadTextFile(filePath, text)) {
        TemplateParseResult result;
        CMessageSink sink(filePath);
        sink.AddWithoutPosition("cannot open");
        result.messages = sink.Take();
        return result;
    }
    return ParseTemplateText(text, filePath);
}

