#pragma once

// The two teams of a game; V and H in the names of the score sheet's fields.
enum class Team { Away, Home };
