// Every fixed text of the window, code point for code point.
//
// Texts are UTF-16 so that the front ends can hand them to their toolkits
// unchanged; everything here is a compile-time constant.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace traits {

namespace detail {
// Joins string literals at compile time (each without its terminating zero).
template <std::size_t... N> consteval auto join(const char16_t (&... parts)[N]) {
    std::array<char16_t, ((N - 1) + ...)> out{};
    std::size_t at = 0;
    ((std::copy_n(parts, N - 1, out.begin() + at), at += N - 1), ...);
    return out;
}
template <std::size_t N> constexpr std::u16string_view view(const std::array<char16_t, N>& a) {
    return {a.data(), a.size()};
}
} // namespace detail

// The author's e-mail address and the program's web site: plain ASCII.
inline constexpr char16_t AuthorAddressChars[] = u"tarvisqo@fruits.example";
inline constexpr std::u16string_view AuthorAddress = AuthorAddressChars;
inline constexpr std::u16string_view SiteAddress = u"fruits.example";

// Window title; the title label shows the very same text.
inline constexpr std::u16string_view TitleText = u"مواصفاتك من الفاكهه التى تحبها";
inline constexpr std::u16string_view HeadingText = u"الصفات";
inline constexpr std::u16string_view CreditButtonText = u"المبرمج";
inline constexpr std::u16string_view CloseButtonText = u"إغلاق";

// The runs of two, nine and four spaces are part of the text: never trim or collapse them.
inline constexpr std::u16string_view GreetingText =
    u"اختر الفاكهه  التى تحبها من الفواكه الموجوده باعلى واقرأ المواصفات         البرنامج يعمل على "
    u"الصفات المشتركه بين محبى تلك الفواكه    مصمم البرنامج Tarvisqo";

inline constexpr auto CreditChars =
    detail::join(AuthorAddressChars, u"  ", u"البرنامج من تصميم وبرمجة Tarvisqo");
inline constexpr std::u16string_view CreditText = detail::view(CreditChars);

inline constexpr std::u16string_view ApricotName = u"مشمش";
inline constexpr std::u16string_view GrapesName = u"عنب";
inline constexpr std::u16string_view StrawberryName = u"فراوله";
inline constexpr std::u16string_view BananaName = u"موز";
inline constexpr std::u16string_view AppleName = u"تفاح";
inline constexpr std::u16string_view OrangeName = u"برتقال";

inline constexpr std::u16string_view ApricotTraits =
    u"يفضله عصبي المزاج ، سريع الحركه ومن يميل لتغير عمله باستمرار";
inline constexpr std::u16string_view GrapesTraits =
    u"من يحب العنب شخص متقلب المزاج ، يحب العمل الجاد يصاب بالملل السريع ينقصه النظام والانضباط ، "
    u"يحقق نجاح كبير أذا ما نظم وقته وينجح فى مجال العلاقات العامه";
inline constexpr std::u16string_view StrawberryTraits =
    u"من يحب الفراوله هو شخص مقبل الحياه ، يحب مباهجها ، يحب السفر والرحلات وقد ينجح كثير فى اي "
    u"مهنه مرتبطه بالسفر والحضور بين الناس";
inline constexpr std::u16string_view BananaTraits =
    u"محب الموز هو انسان يحقق نجاح متميز في السياسه ، يميل للاسترخاء ، يحتاج لمن يشجعه ، دوما على "
    u"العمل ويحتاج لحافز قوي للاجتهاد";
inline constexpr std::u16string_view AppleTraits =
    u"هو صديق المشاهير و يميل محبو التفاح للالعاب الرياضيه وكل انواع الرياضه الجماعيه التى تحمل "
    u"لواء المنافسه";
inline constexpr std::u16string_view OrangeTraits =
    u"هو شخص سعيد ولديه القدره على النجاح فى الحياه العامه ، ذو شخصيه عنيده ، يحب وينشد الكمال في "
    u"كل شي ، صعب مصادقته ، عصبي المزاج ، أمين ومخلص";

} // namespace traits
