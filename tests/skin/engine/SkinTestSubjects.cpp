#include "SkinTestSubjects.h"

#include "skin/engine/SkinValues.h"

namespace {

struct DescriptionSubject : SkinSubject {
    std::unique_ptr<TlxSkinDescription> D;
    explicit DescriptionSubject(std::unique_ptr<TlxSkinDescription> d) : D(std::move(d)) {}
    std::string Section() override { return D->IDName; }
    TlxFieldList Fields() override { return D->Fields(); }
    void Load(TCustomIniFile& ini) override { D->LoadFromFile(ini); }
    void Save(TCustomIniFile& ini) override { D->SaveToFile(ini); }
};

template <typename T> struct FixedSubject : SkinSubject {
    T D;
    std::string Section() override { return T::Section; }
    TlxFieldList Fields() override { return D.Fields(); }
    void Load(TCustomIniFile& ini) override { D.LoadFromFile(ini); }
    void Save(TCustomIniFile& ini) override { D.SaveToFile(ini); }
};

struct FormInfoSubject : SkinSubject {
    TlxSkinFormInfo D;
    std::string Section() override { return TlxSkinFormInfo::Section; }
    TlxFieldList Fields() override { return D.FormInfoFields(); }
    void Load(TCustomIniFile& ini) override { D.LoadFormInfo(ini, ""); }
    void Save(TCustomIniFile& ini) override { D.SaveFormInfo(ini); }
};

template <typename T> SkinSubjectKind Base(const char* label) {
    return {label, [] { return std::make_unique<DescriptionSubject>(std::make_unique<T>("d")); }};
}

} // namespace

std::vector<SkinSubjectKind> AllSkinSubjects() {
    std::vector<SkinSubjectKind> all;
    for (const auto& k : SkinControlKinds())
        all.push_back({std::string("control ") + k.Word,
                       [&k] { return std::make_unique<DescriptionSubject>(k.Create("d")); }});
    for (const auto& k : SkinObjectKinds())
        all.push_back({std::string("object ") + k.Word,
                       [&k] { return std::make_unique<DescriptionSubject>(k.Create("d")); }});
    all.push_back(Base<TlxDataSkinControl>("TlxDataSkinControl"));
    all.push_back(Base<TlxDataSkinCustomControl>("TlxDataSkinCustomControl"));
    all.push_back(Base<TlxDataSkinObject>("TlxDataSkinObject"));
    all.push_back(Base<TlxDataSkinMainMenuItem>("TlxDataSkinMainMenuItem"));
    all.push_back({"POPUPWINDOW", [] { return std::make_unique<FixedSubject<TlxDataSkinPopupWindow>>(); }});
    all.push_back({"LAYERFRAME", [] { return std::make_unique<FixedSubject<TlxDataSkinLayerFrame>>(); }});
    all.push_back({"HINTWINDOW", [] { return std::make_unique<FixedSubject<TlxDataSkinHintWindow>>(); }});
    all.push_back({"SKINCOLORS", [] { return std::make_unique<FixedSubject<TlxSkinColors>>(); }});
    all.push_back({"FORMINFO", [] { return std::make_unique<FormInfoSubject>(); }});
    return all;
}

std::string DefaultText(const TlxField& f, bool read) {
    const TlxDefault& d = read ? f.Read : f.Init;
    switch (f.Type) {
    case TlxFieldType::Integer:
    case TlxFieldType::Color:
        return std::to_string(d.Int);
    case TlxFieldType::Boolean:
        return d.Int ? "1" : "0";
    case TlxFieldType::Rect:
        return "0,0,0,0";
    case TlxFieldType::Point:
        return "0,0";
    case TlxFieldType::String:
        return d.Str;
    case TlxFieldType::FontStyles:
        return FontStylesText(TFontStyles::FromBits(unsigned(d.Int)));
    case TlxFieldType::Alignment:
        return AlignmentWord(TAlignment(d.Int));
    case TlxFieldType::MorphKind:
        return MorphKindWord(TlxMorphKind(d.Int));
    case TlxFieldType::StretchType:
        return StretchTypeWord(TlxStretchType(d.Int));
    case TlxFieldType::InActiveEffect:
        return InActiveEffectWord(TlxInActiveEffect(d.Int));
    case TlxFieldType::StdCommand:
        return StdCommandWord(TlxStdCommand(d.Int));
    }
    return {};
}

void SetNonDefault(const TlxField& f, int n) {
    switch (f.Type) {
    case TlxFieldType::Integer:
        f.As<int>() = 1000 + n;
        break;
    case TlxFieldType::Color:
        f.As<TColor>() = 0x123400 + n;
        break;
    case TlxFieldType::Boolean:
        f.As<bool>() = !(f.Read.Int || f.Init.Int);
        break;
    case TlxFieldType::Rect:
        f.As<TRect>() = {n, n + 1, n + 20, n + 30};
        break;
    case TlxFieldType::Point:
        f.As<TPoint>() = {n + 1, n + 2};
        break;
    case TlxFieldType::String:
        f.As<std::string>() = "text " + std::to_string(n);
        break;
    case TlxFieldType::FontStyles:
        f.As<TFontStyles>() = n % 2 ? TFontStyles{fsBold, fsStrikeOut} : TFontStyles{fsItalic, fsUnderline};
        break;
    case TlxFieldType::Alignment:
        f.As<TAlignment>() = n % 2 ? taLeftJustify : taRightJustify;
        break;
    case TlxFieldType::MorphKind:
        f.As<TlxMorphKind>() = TlxMorphKind(1 + n % 6);
        break;
    case TlxFieldType::StretchType:
        f.As<TlxStretchType>() = n % 2 ? lxstHorz : lxstVert;
        break;
    case TlxFieldType::InActiveEffect:
        f.As<TlxInActiveEffect>() = TlxInActiveEffect(1 + n % 5);
        break;
    // Neither the file default nor the first command; the tray command
    // cannot be told from an unknown word, but reads back as itself.
    case TlxFieldType::StdCommand:
        f.As<TlxStdCommand>() = n % 2 ? cmRollUp : cmMinimizeToTray;
        break;
    }
}

std::string FieldsText(const TlxFieldList& fields) {
    std::string text;
    for (const TlxField& f : fields)
        text += f.Key + "=" + FieldText(f) + "\n";
    return text;
}
