#pragma once
// The statements of the skills window, exactly as the window declares them. Every one but the
// race list takes one text parameter: the parent's name or the class id.

#include <QString>

/// The races: nodes without a parent (ADORace).
QString raceSql();
/// The children of one node, parameter parents (ADOClas, ADOFirstProf and ADOSecondProf).
QString childNodeSql();
/// What one node learns, parameter classid (ADOSkils): four lines joined by line breaks.
QString skilsSql();
/// The levels at which one node learns, parameter classid (ADOLvl); no order of its own.
QString levelSql();

/// Every skill some node learns with its name and icon, one row per skill and skill level, each
/// skill's lowest level first: the rows the skill list can show, for the search.
QString skillSearchSql();
/// The nodes that learn one skill and at which skill levels, parameter skillid: the rows of that
/// skill the skill list can show, for the window's place.
QString skillLearnersSql();
