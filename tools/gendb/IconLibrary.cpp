#include "tools/gendb/IconLibrary.h"

#include "tools/gendb/IconPainter.h"

#include <QDir>
#include <cstdio>
#include <stdexcept>

namespace gen {

const char* iconPrefix(IconKind kind)
{
    switch (kind) {
    case IconKind::Sword: return "weapon_sword";
    case IconKind::Blunt: return "weapon_blunt";
    case IconKind::Dagger: return "weapon_dagger";
    case IconKind::Bow: return "weapon_bow";
    case IconKind::Pole: return "weapon_pole";
    case IconKind::Fist: return "weapon_fist";
    case IconKind::DualSword: return "weapon_dual";
    case IconKind::Staff: return "weapon_staff";
    case IconKind::Shield: return "armor_shield";
    case IconKind::UpperBody: return "armor_upper";
    case IconKind::LowerBody: return "armor_lower";
    case IconKind::FullBody: return "armor_full";
    case IconKind::Boots: return "armor_boots";
    case IconKind::Helmet: return "armor_helmet";
    case IconKind::Gloves: return "armor_gloves";
    case IconKind::Cloak: return "armor_cloak";
    case IconKind::Underwear: return "armor_underwear";
    case IconKind::Necklace: return "acc_necklace";
    case IconKind::Ring: return "acc_ring";
    case IconKind::Earing: return "acc_earing";
    case IconKind::Potion: return "etc_potion";
    case IconKind::Scroll: return "etc_scroll";
    case IconKind::Ore: return "etc_ore";
    case IconKind::Ingot: return "etc_ingot";
    case IconKind::Pelt: return "etc_pelt";
    case IconKind::Bone: return "etc_bone";
    case IconKind::Cloth: return "etc_cloth";
    case IconKind::Wood: return "etc_wood";
    case IconKind::Gem: return "etc_gem";
    case IconKind::Recipe: return "etc_recipe";
    case IconKind::QuestItem: return "etc_quest";
    case IconKind::Arrow: return "etc_arrow";
    case IconKind::Shot: return "etc_shot";
    case IconKind::Coin: return "etc_coin";
    case IconKind::Crystal: return "etc_crystal";
    case IconKind::Key: return "etc_key";
    case IconKind::Dye: return "etc_dye";
    case IconKind::Book: return "etc_book";
    case IconKind::PetWeapon: return "pet_weapon";
    case IconKind::PetArmor: return "pet_armor";
    case IconKind::PetCollar: return "pet_collar";
    case IconKind::Skill: return "skill";
    case IconKind::None: return "none";
    }
    return "none";
}

std::string IconLibrary::name(IconKind kind, int variant)
{
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "_%02d", variant);
    std::string base = std::string(iconPrefix(kind)) + suffix;
    m_icons.emplace(base, std::make_pair(kind, variant));
    return base;
}

void IconLibrary::add(const std::string& baseName, IconKind kind, int variant)
{
    m_icons[baseName] = {kind, variant};
}

void IconLibrary::write(const QString& dir) const
{
    if (!QDir().mkpath(dir))
        throw std::runtime_error("cannot create folder " + dir.toStdString());
    const QDir folder(dir);
    auto save = [&](const std::string& base, IconKind kind, int variant) {
        const QString path = folder.filePath(QString::fromStdString(base) + ".BMP");
        if (!IconPainter::paint(kind, variant).save(path, "BMP"))
            throw std::runtime_error("cannot write " + path.toStdString());
    };
    save("none", IconKind::None, 0);
    for (const auto& [base, icon] : m_icons)
        save(base, icon.first, icon.second);
}

} // namespace gen
