// Wine's <math.h> completed to what Microsoft's <math.h> offers and the STL's
// <cmath> names. Long double is double in this ABI: the long double forms
// that ucrtbase.dll exports are declared as its imports, the others are
// inline over the double form, as in Microsoft's header. In C++ the
// classification and comparison macros become functions over ucrtbase's
// _dtest/_dsign/_dpcomp family, as Microsoft's header has them.
#pragma once
#include_next <math.h>

#ifdef __cplusplus
extern "C" {
#endif
typedef float float_t;
typedef double double_t;

_ACRTIMP double __cdecl erfc(double);
_ACRTIMP float __cdecl erfcf(float);
_ACRTIMP double __cdecl fma(double, double, double);
_ACRTIMP float __cdecl fmaf(float, float, float);
_ACRTIMP double __cdecl nan(char const*);
_ACRTIMP float __cdecl nanf(char const*);
_ACRTIMP double __cdecl nexttoward(double, long double);
_ACRTIMP float __cdecl nexttowardf(float, long double);

_ACRTIMP long double __cdecl acoshl(long double);
_ACRTIMP long double __cdecl asinhl(long double);
_ACRTIMP long double __cdecl atanhl(long double);
_ACRTIMP long double __cdecl cbrtl(long double);
_ACRTIMP long double __cdecl copysignl(long double, long double);
_ACRTIMP long double __cdecl erfcl(long double);
_ACRTIMP long double __cdecl erfl(long double);
_ACRTIMP long double __cdecl exp2l(long double);
_ACRTIMP long double __cdecl expm1l(long double);
_ACRTIMP long double __cdecl fdiml(long double, long double);
_ACRTIMP long double __cdecl fmal(long double, long double, long double);
_ACRTIMP long double __cdecl fmaxl(long double, long double);
_ACRTIMP long double __cdecl fminl(long double, long double);
_ACRTIMP int __cdecl ilogbl(long double);
_ACRTIMP long double __cdecl lgammal(long double);
_ACRTIMP long long __cdecl llrintl(long double);
_ACRTIMP long long __cdecl llroundl(long double);
_ACRTIMP long double __cdecl log1pl(long double);
_ACRTIMP long double __cdecl log2l(long double);
_ACRTIMP long double __cdecl logbl(long double);
_ACRTIMP long __cdecl lrintl(long double);
_ACRTIMP long __cdecl lroundl(long double);
_ACRTIMP long double __cdecl nanl(char const*);
_ACRTIMP long double __cdecl nearbyintl(long double);
_ACRTIMP long double __cdecl nextafterl(long double, long double);
_ACRTIMP long double __cdecl nexttowardl(long double, long double);
_ACRTIMP long double __cdecl remainderl(long double, long double);
_ACRTIMP long double __cdecl remquol(long double, long double, int*);
_ACRTIMP long double __cdecl rintl(long double);
_ACRTIMP long double __cdecl roundl(long double);
_ACRTIMP long double __cdecl scalblnl(long double, long);
_ACRTIMP long double __cdecl scalbnl(long double, int);
_ACRTIMP long double __cdecl tgammal(long double);
_ACRTIMP long double __cdecl truncl(long double);

static __inline long double __cdecl acosl(long double _X) { return acos((double)_X); }
static __inline long double __cdecl asinl(long double _X) { return asin((double)_X); }
static __inline long double __cdecl atanl(long double _X) { return atan((double)_X); }
static __inline long double __cdecl atan2l(long double _Y, long double _X) { return atan2((double)_Y, (double)_X); }
static __inline long double __cdecl ceill(long double _X) { return ceil((double)_X); }
static __inline long double __cdecl cosl(long double _X) { return cos((double)_X); }
static __inline long double __cdecl coshl(long double _X) { return cosh((double)_X); }
static __inline long double __cdecl expl(long double _X) { return exp((double)_X); }
static __inline long double __cdecl fabsl(long double _X) { return fabs((double)_X); }
static __inline long double __cdecl floorl(long double _X) { return floor((double)_X); }
static __inline long double __cdecl fmodl(long double _X, long double _Y) { return fmod((double)_X, (double)_Y); }
static __inline long double __cdecl frexpl(long double _X, int* _Y) { return frexp((double)_X, _Y); }
static __inline long double __cdecl hypotl(long double _X, long double _Y) { return _hypot((double)_X, (double)_Y); }
static __inline long double __cdecl ldexpl(long double _X, int _Y) { return ldexp((double)_X, _Y); }
static __inline long double __cdecl logl(long double _X) { return log((double)_X); }
static __inline long double __cdecl log10l(long double _X) { return log10((double)_X); }
static __inline long double __cdecl modfl(long double _X, long double* _Y) {
    double _F, _I;
    _F = modf((double)_X, &_I);
    *_Y = _I;
    return _F;
}
static __inline long double __cdecl powl(long double _X, long double _Y) { return pow((double)_X, (double)_Y); }
static __inline long double __cdecl sinl(long double _X) { return sin((double)_X); }
static __inline long double __cdecl sinhl(long double _X) { return sinh((double)_X); }
static __inline long double __cdecl sqrtl(long double _X) { return sqrt((double)_X); }
static __inline long double __cdecl tanl(long double _X) { return tan((double)_X); }
static __inline long double __cdecl tanhl(long double _X) { return tanh((double)_X); }

_ACRTIMP short __cdecl _dtest(double*);
_ACRTIMP short __cdecl _fdtest(float*);
_ACRTIMP int __cdecl _dpcomp(double, double);
_ACRTIMP int __cdecl _fdpcomp(float, float);
#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
#undef fpclassify
#undef signbit
#undef isinf
#undef isnan
#undef isnormal
#undef isfinite

#define _FP_LT 1
#define _FP_EQ 2
#define _FP_GT 4

extern "C++" {
inline int fpclassify(float _X) noexcept { return _fdtest(&_X); }
inline int fpclassify(double _X) noexcept { return _dtest(&_X); }
inline int fpclassify(long double _X) noexcept {
    double _D = (double)_X;
    return _dtest(&_D);
}
inline bool signbit(float _X) noexcept { return _fdsign(_X) != 0; }
inline bool signbit(double _X) noexcept { return _dsign(_X) != 0; }
inline bool signbit(long double _X) noexcept { return _dsign((double)_X) != 0; }

inline int _fpcomp(float _X, float _Y) noexcept { return _fdpcomp(_X, _Y); }
inline int _fpcomp(double _X, double _Y) noexcept { return _dpcomp(_X, _Y); }
inline int _fpcomp(long double _X, long double _Y) noexcept { return _dpcomp((double)_X, (double)_Y); }

template <class _Ty>
inline bool isfinite(_Ty _X) noexcept { return fpclassify(_X) <= 0; }
template <class _Ty>
inline bool isinf(_Ty _X) noexcept { return fpclassify(_X) == FP_INFINITE; }
template <class _Ty>
inline bool isnan(_Ty _X) noexcept { return fpclassify(_X) == FP_NAN; }
template <class _Ty>
inline bool isnormal(_Ty _X) noexcept { return fpclassify(_X) == FP_NORMAL; }

// Two arguments of different types compare as double, as Microsoft's header does.
template <class _Ty1, class _Ty2>
inline int _fpcomp_common(_Ty1 _X, _Ty2 _Y) noexcept { return _fpcomp(static_cast<double>(_X), static_cast<double>(_Y)); }
inline int _fpcomp_common(float _X, float _Y) noexcept { return _fpcomp(_X, _Y); }

template <class _Ty1, class _Ty2>
inline bool isgreater(_Ty1 _X, _Ty2 _Y) noexcept { return (_fpcomp_common(_X, _Y) & _FP_GT) != 0; }
template <class _Ty1, class _Ty2>
inline bool isgreaterequal(_Ty1 _X, _Ty2 _Y) noexcept { return (_fpcomp_common(_X, _Y) & (_FP_EQ | _FP_GT)) != 0; }
template <class _Ty1, class _Ty2>
inline bool isless(_Ty1 _X, _Ty2 _Y) noexcept { return (_fpcomp_common(_X, _Y) & _FP_LT) != 0; }
template <class _Ty1, class _Ty2>
inline bool islessequal(_Ty1 _X, _Ty2 _Y) noexcept { return (_fpcomp_common(_X, _Y) & (_FP_LT | _FP_EQ)) != 0; }
template <class _Ty1, class _Ty2>
inline bool islessgreater(_Ty1 _X, _Ty2 _Y) noexcept { return (_fpcomp_common(_X, _Y) & (_FP_LT | _FP_GT)) != 0; }
template <class _Ty1, class _Ty2>
inline bool isunordered(_Ty1 _X, _Ty2 _Y) noexcept { return _fpcomp_common(_X, _Y) == 0; }
} // extern "C++"
#endif
