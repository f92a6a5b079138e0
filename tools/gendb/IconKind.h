#pragma once
// What an icon bitmap shows; each kind has its own drawing and file-name prefix.

namespace gen {

enum class IconKind {
    Sword, Blunt, Dagger, Bow, Pole, Fist, DualSword, Staff,
    Shield, UpperBody, LowerBody, FullBody, Boots, Helmet, Gloves, Cloak, Underwear,
    Necklace, Ring, Earing,
    Potion, Scroll, Ore, Ingot, Pelt, Bone, Cloth, Wood, Gem, Recipe, QuestItem, Arrow, Shot, Coin,
    Crystal, Key, Dye, Book,
    PetWeapon, PetArmor, PetCollar,
    Skill,
    None
};

const char* iconPrefix(IconKind kind);

} // namespace gen
