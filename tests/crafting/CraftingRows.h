#pragma once
// Hand-made crafting rows: a helm from plates from ingots from ore and coal, with a second
// ingot recipe, a loop, an ingredient without an item row, an empty recipe and a recipe
// without output.
//
//   Helm (5) at 100, output 1, fee 100, mp 50:   Steel Plate x3, Iron Ingot x2, Leather x2
//   Steel Plate (4) at 100, output 2, fee 20, mp 10: Iron Ingot x11
//   Iron Ingot (3) at 100, output 5, fee 5, mp 3: Iron Ore x3, Coal x1
//   Iron Ingot (3) at 60, output 5, fee 2, mp 1:  Iron Ore x4
//   Amulet (7) at 100, output 1: Charm x1, Stray x2 (no item row 99)
//   Charm (8) at 100, output 1: Amulet x2                      -- a loop back to the amulet
//   Anvil (9) at 100, output NULL: no ingredients
//   Ten Bolts (10) at 100, output 0: Iron Ingot x1

inline const char* const kCraftingRows = R"(
INSERT INTO items (id, type, icon) VALUES (1, 'Material', 'ore'), (2, 'Material', 'coal'), (3, 'Material', 'ingot'),
  (4, 'Material', 'plate'), (5, 'Armor', 'helm'), (6, 'Material', 'leather'), (7, 'Accesories', 'amulet'),
  (8, 'Material', 'charm'), (9, 'Material', 'anvil'), (10, 'Arrow', 'bolt');
INSERT INTO itemnames (id, name) VALUES (1, 'Iron Ore'), (2, 'Coal'), (3, 'Iron Ingot'), (4, 'Steel Plate'),
  (5, 'Helm'), (6, 'Leather'), (7, 'Amulet'), (8, 'Charm'), (9, 'Anvil'), (10, 'Ten Bolts');
INSERT INTO recipes (item_id, rate, level, mp, output, npc_fee) VALUES
  (5, 100, 3, 50, 1, 100), (4, 100, 2, 10, 2, 20), (3, 100, 1, 3, 5, 5), (3, 60, 1, 1, 5, 2),
  (7, 100, 1, 0, 1, 0), (8, 100, 1, 0, 1, 0), (9, 100, 1, 7, NULL, 30), (10, 100, 1, 0, 0, 0);
INSERT INTO ingredients (item_id, rate, material, quantity) VALUES
  (5, 100, 4, 3), (5, 100, 3, 2), (5, 100, 6, 2), (4, 100, 3, 11), (3, 100, 1, 3), (3, 100, 2, 1),
  (3, 60, 1, 4), (7, 100, 8, 1), (7, 100, 99, 2), (8, 100, 7, 2), (10, 100, 3, 1);
INSERT INTO monsters (id, level, npc) VALUES (20, 5, 0), (21, 8, 0), (22, 3, 0), (23, 1, 0);
INSERT INTO npcnames (id, name) VALUES (20, 'Rat'), (21, 'Mole'), (22, 'Bat');
INSERT INTO drops (npc_id, item_id, sweep, "min", "max", percentage) VALUES
  (21, 1, 1, 1, 1, 40), (20, 1, 0, 2, 4, 40), (22, 1, 0, 1, 1, 90),
  (20, 2, 0, 1, 1, 30), (21, 2, 1, 1, 3, 60), (23, 2, 0, 1, 1, 99),
  (22, 6, 0, 1, 1, 10), (20, 6, 1, 0, 0, 80);
)";
// Iron Ore: the Bat's drop at 90 is best. Without it the Rat's drop ties the Mole's spoil at 40
// and wins (a drop needs no skill). Coal: the Mole's spoil at 60 beats the Rat's drop at 30; the
// nameless monster 23 is no source. Leather: the Rat's spoil has max 0, so the Bat's 10 is best.
