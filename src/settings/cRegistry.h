// Registry access object. (Interface grows with the registry work.)
#pragma once

class cRegistry {};
