#include "mkdata/recipe.h"

#include <rapidjson/document.h>

#include <filesystem>
#include <stdexcept>

#include "mkdata/json_fields.h"
#include "mkdata/json_file.h"

namespace tessera {
namespace mkdata {
namespace {

using rapidjson::Value;

constexpr JsonFields kFields("recipe");

double number_of(const Value& v, const std::string& where) {
  if (!v.IsNumber()) kFields.fail(where + " must be a number");
  return v.GetDouble();
}

WordSource parse_words(const Value& v, const std::string& where,
                       const std::string& base_dir) {
  if (!v.IsObject()) kFields.fail(where + " must be an object");
  WordSource source;
  const Value& count = kFields.member(v, "count", where);
  if (!count.IsInt() || count.GetInt() < 0) {
    kFields.fail(where + ".count must be a non-negative integer");
  }
  source.count = count.GetInt();
  if (v.HasMember("file")) {
    source.kind = WordSource::Kind::kFile;
    std::filesystem::path file = kFields.string_member(v, "file", where);
    if (file.is_relative()) file = std::filesystem::path(base_dir) / file;
    source.file = file.string();
    if (v.HasMember("fallback_count")) {
      const Value& fallback = v["fallback_count"];
      if (!fallback.IsInt() || fallback.GetInt() < 0) {
        kFields.fail(where + ".fallback_count must be a non-negative integer");
      }
      source.fallback_count = fallback.GetInt();
    }
  } else {
    source.kind = WordSource::Kind::kSynthetic;
    if (v.HasMember("phonology")) {
      source.phonology = kFields.string_member(v, "phonology", where);
    }
    if (source.phonology != "latin" && source.phonology != "umlaut" &&
        source.phonology != "kana") {
      kFields.fail(where + ".phonology must be latin, umlaut or kana");
    }
    if (v.HasMember("seed")) {
      const Value& seed = v["seed"];
      if (!seed.IsUint64()) kFields.fail(where + ".seed must be an unsigned integer");
      source.seed = seed.GetUint64();
    }
  }
  return source;
}

template <typename T, typename F>
std::vector<T> array_of(const Value& object, const char* name,
                        const std::string& where, F parse_one) {
  std::vector<T> out;
  auto it = object.FindMember(name);
  if (it == object.MemberEnd()) return out;
  if (!it->value.IsArray()) kFields.fail(where + "." + name + " must be an array");
  int i = 0;
  for (const Value& element : it->value.GetArray()) {
    out.push_back(parse_one(
        element, where + "." + name + "[" + std::to_string(i++) + "]"));
  }
  return out;
}

LanguageRecipe parse_language(const Value& v, const std::string& where,
                              const std::string& base_dir) {
  if (!v.IsObject()) kFields.fail(where + " must be an object");
  LanguageRecipe language;
  language.code = kFields.string_member(v, "code", where);
  if (v.HasMember("listed_only")) {
    if (!v["listed_only"].IsBool()) kFields.fail(where + ".listed_only must be a bool");
    language.listed_only = v["listed_only"].GetBool();
  }
  if (!language.listed_only) {
    language.words =
        parse_words(kFields.member(v, "words", where), where + ".words", base_dir);
  }
  language.preferred_regions = array_of<int>(
      v, "preferred_regions", where, [](const Value& e, const std::string& w) {
        if (!e.IsInt() || e.GetInt() < 0) kFields.fail(w + " must be a region number");
        return e.GetInt();
      });
  language.related_suffixes = array_of<std::string>(
      v, "related_suffixes", where, [](const Value& e, const std::string& w) {
        if (!e.IsString()) kFields.fail(w + " must be a string");
        return std::string(e.GetString(), e.GetStringLength());
      });
  return language;
}

ExcludedBox parse_excluded(const Value& v, const std::string& where) {
  if (!v.IsObject()) kFields.fail(where + " must be an object");
  auto corner = [&](const char* name, double& lat, double& lng) {
    const Value& c = kFields.member(v, name, where);
    if (!c.IsArray() || c.Size() != 2) {
      kFields.fail(where + "." + name + " must be [lat, lng]");
    }
    lat = number_of(c[0], where + "." + name + "[0]");
    lng = number_of(c[1], where + "." + name + "[1]");
  };
  ExcludedBox box{};
  corner("sw", box.sw_lat, box.sw_lng);
  corner("ne", box.ne_lat, box.ne_lng);
  if (box.sw_lat > box.ne_lat || box.sw_lng > box.ne_lng || box.sw_lat < -90 ||
      box.ne_lat > 90) {
    kFields.fail(where + " must have its south-west corner first, within -90..90");
  }
  return box;
}

}  // namespace

Recipe parse_recipe(const std::string& json, const std::string& base_dir) {
  rapidjson::Document document;
  document.Parse(json.c_str(), json.size());
  if (document.HasParseError()) kFields.fail(json_parse_error(document));
  if (!document.IsObject()) kFields.fail("the top level must be an object");
  Recipe recipe;
  if (document.HasMember("version")) {
    recipe.version = kFields.string_member(document, "version", "recipe");
  }
  recipe.languages =
      array_of<LanguageRecipe>(document, "languages", "recipe",
                               [&](const Value& e, const std::string& w) {
                                 return parse_language(e, w, base_dir);
                               });
  if (recipe.languages.empty()) kFields.fail("recipe.languages must not be empty");
  recipe.excluded =
      array_of<ExcludedBox>(document, "excluded", "recipe", parse_excluded);
  return recipe;
}

Recipe read_recipe_file(const std::string& path) {
  const std::string base_dir =
      std::filesystem::absolute(path).parent_path().string();
  return parse_recipe(read_file(path), base_dir);
}

Recipe fixture_recipe() {
  Recipe recipe;
  recipe.version = "tessera-fixture-1";

  LanguageRecipe en;
  en.code = "en";
  en.words.phonology = "latin";
  en.words.seed = 1;
  en.words.count = 40000;
  en.preferred_regions = {0};
  en.related_suffixes = {"s", "es"};

  LanguageRecipe de;
  de.code = "de";
  de.words.phonology = "umlaut";
  de.words.seed = 2;
  de.words.count = 25000;
  de.preferred_regions = {1};
  de.related_suffixes = {"n", "en"};

  LanguageRecipe fr;
  fr.code = "fr";
  fr.listed_only = true;

  LanguageRecipe ja;
  ja.code = "ja";
  ja.words.phonology = "kana";
  ja.words.seed = 3;
  ja.words.count = 25000;
  ja.preferred_regions = {2};

  // French sits between two languages with files, so that the word index
  // must keep its place in the language list.
  recipe.languages = {en, fr, de, ja};
  recipe.excluded = {
      {51.50, -0.13, 51.51, -0.12},  // partly covers cells: small rectangles
      {10.0, 20.0, 10.5, 20.5},      // whole cells: large strips
      {-45.001, 170.0, -44.999, 170.001},
  };
  return recipe;
}

}  // namespace mkdata
}  // namespace tessera
