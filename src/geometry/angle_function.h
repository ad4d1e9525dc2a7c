// A function of an angle in degrees, passed by reference without allocating: a plain function or
// any callable that outlives the call it is passed to (a lambda reading one fitted outline).
#pragma once

#include <type_traits>

class AngleFunction {
 public:
  AngleFunction(double (*function)(double))  // NOLINT(google-explicit-constructor)
      : m_function(function), m_call(&CallFunction) {}

  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, AngleFunction> &&
                                              !std::is_convertible_v<F, double (*)(double)>>>
  AngleFunction(const F& callable)  // NOLINT(google-explicit-constructor)
      : m_object(&callable), m_call(&CallObject<F>) {}

  double operator()(double t) const { return m_call(*this, t); }

 private:
  static double CallFunction(const AngleFunction& self, double t) { return self.m_function(t); }
  template <class F>
  static double CallObject(const AngleFunction& self, double t) {
    return (*static_cast<const F*>(self.m_object))(t);
  }

  double (*m_function)(double) = nullptr;
  const void* m_object = nullptr;
  double (*m_call)(const AngleFunction&, double);
};
