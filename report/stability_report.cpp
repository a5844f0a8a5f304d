#include "report/stability_report.h"

#include <cmath>
#include <string>

#include "report/stability_figure.h"
#include "report/unstable_backfill_note.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

void line(ListBox& box, const char* picture, double value) {
  appendLine(box, formatNumber(picture, value));
}

void text(ListBox& box, const char* prefix, const char* picture, double value,
          const char* suffix = "") {
  appendLine(box, std::string(prefix) + formatNumber(picture, value) + suffix);
}

// A wall whose loads press nothing onto the ground has no resultant on the
// base; the stability lines say so instead of printing a position.
constexpr const char* kNoVerticalLoad =
    "  全鉛直荷重(Vo)が0以下のため、合力の作用点が求まりません。";

bool noVerticalLoad(const TAntei& s) {
  return !(s.sumV > 0) || !(s.outlineX[9] > 0);
}

const char* overturning(const TAntei& s, const DesignConditions& dc, ListBox& box) {
  box.lines.clear();
  const double B = s.outlineX[9];
  const double mr = s.resistingMoment, mo = s.overturningMoment, vo = s.sumV;
  const bool normal = s.loadCase == 0;
  appendLine(box, "2.転倒に対する安定計算");

  if (dc.index("RadioGroup11") == 1) {
    // Safety-factor method. Without an overturning moment nothing tips the
    // wall: Fm is infinite, as the sliding check prints it.
    const double fa = dc.readDouble(normal ? "LabeledEdit1" : "LabeledEdit2");
    const bool infinite = !(mo > 0);
    const double fm = infinite ? 0.0 : mr / mo;
    const std::string fmText = infinite ? "∞" : formatNumber("0.000", fm);
    appendLine(box, "  転倒に対する安全率(Fm)は、次式で求める。");
    appendBlank(box);
    appendLine(box, "         Mr");
    appendLine(box, "  Fm=-----------                       =" + fmText);
    appendLine(box, "         Mo");
    appendBlank(box);
    appendLine(box, "  ここに");
    line(box, "    Mr(擁壁底版つま先回りの抵抗ﾓｰﾒﾝﾄ)  =0,0.00kNm", mr);
    line(box, "    Mo(擁壁底版つま先回りの転倒ﾓｰﾒﾝﾄ)  =0,0.00kNm", mo);
    if (infinite) appendLine(box, "    (転倒ﾓｰﾒﾝﾄMoが0以下のため、Fm=∞とする)");
    appendBlank(box);
    line(box, "  転倒に対する安定条件として、0.0≦Fmを満足しなければならない。", fa);
    appendBlank(box);
    const std::string fmValue = infinite ? "(=∞)" : formatNumber("(=0.000)", fm);
    if (!infinite && fa > fm) {
      appendLine(box, formatNumber("  0.0>Fm", fa) + fmValue);
      appendLine(box, "  判定：不可(安全率不足)");
      return "NO";
    }
    appendLine(box, formatNumber("  0.0≦Fm", fa) + fmValue);
    appendLine(box, "  判定：OK(安全率を満たす)");
    return "OK";
  }

  // Allowable-eccentricity method.
  const double d = s.resultantD, e = s.eccentricity;
  appendLine(box, "  擁壁底面つま先から合力Rの作用点までの距離(d)は、次式で求める。");
  appendBlank(box);
  appendLine(box, "      Mr - Mo");
  text(box, "  d=-----------                        =", "0.000m", d);
  appendLine(box, "         Vo");
  appendBlank(box);
  appendLine(box, "  ここに");
  line(box, "    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =#,0.00kNm", mr);
  line(box, "    Mo(擁壁底面つま先回りの転倒ﾓｰﾒﾝﾄ)  =#,0.00kNm", mo);
  line(box, "    Vo(擁壁底面における全鉛直荷重)     =#,0.00kN", vo);
  appendLine(box, "  合力Rの作用点の底版中央からの偏心距離(e)は、次式で求める。");
  text(box, "  e=B/2-d        =", "0.000m;-0.000m", e);
  appendBlank(box);
  if (normal) {
    appendLine(box, "  転倒に対する安定条件として、合力Rの作用点は常時は底版中央の");
    appendLine(box, "  底版幅1/3の範囲内になければならない。");
    appendLine(box, "  すなわち、偏心距離(e)は、式|e|≦B/6を満足しなければならない。");
  } else {
    appendLine(box, "  転倒に対する安定条件として、合力Rの作用点は地震時は底版中央の");
    appendLine(box, "  底版幅2/3の範囲内になければならない。");
    appendLine(box, "  すなわち、偏心距離(e)は、式|e|≦B/3を満足しなければならない。");
  }
  appendBlank(box);
  if (noVerticalLoad(s)) appendLine(box, kNoVerticalLoad);
  const bool inside = !noVerticalLoad(s) && std::fabs(e) < (normal ? B / 6 : B / 3);
  if (normal) {
    if (inside) {
      line(box, "  |e|≦B/6       =0.000m", B / 6);
      appendLine(box, "  判定：OK(中央1/3以内)");
    } else {
      line(box, "  |e|>B/6        =0.000m", B / 6);
      appendLine(box, "  判定：不可(中央1/3以外)");
    }
  } else {
    if (inside) {
      line(box, "  |e|≦B/3     =0.000m", B / 3);
      appendLine(box, "  判定：OK(中央2/3以内)");
    } else {
      line(box, "  |e|>B/3      =0.000m", B / 3);
      appendLine(box, "  判定：不可(中央2/3以外)");
    }
  }
  return inside ? "OK" : "NO";
}

const char* bearing(const TAntei& s, ListBox& box) {
  box.lines.clear();
  const double B = s.outlineX[9];
  const double q1 = s.reactionToe, q2 = s.reactionHeel, qa = s.qaAllow;
  const double vo = s.sumV, d = s.resultantD, e = s.eccentricity;
  auto voLine = [&] { line(box, "    Vo(擁壁底面における全鉛直荷重)   =#,0.00kN", vo); };
  auto bLine = [&] { line(box, "    B (擁壁の底版幅)                 =0.000m", B); };
  auto eLine = [&] { text(box, "    e (偏心距離)                     =", "0.000m;-0.000m", e); };

  appendLine(box, "3.支持地盤の支持力に対する安定");
  appendLine(box, "  地盤反力度(q)は、次式で求める。");
  appendBlank(box);
  switch (s.bearingState) {
    case 0:
      appendLine(box, "         Vo      6･e");
      appendLine(box, "  q1,q2=---･(1±-----)");
      appendLine(box, "         B        B");
      line(box, "    q1(つま先での地盤反力度)         =0.00kN/m2", q1);
      line(box, "    q2(かかとでの地盤反力度)         =0.00kN/m2", q2);
      appendBlank(box);
      appendLine(box, "  ここに");
      voLine();
      bLine();
      eLine();
      break;
    case 1:
    case 2:
      appendLine(box, "      2･Vo");
      line(box, "  q=-------                          =0.00kN/m2", s.bearingState == 1 ? q1 : q2);
      appendLine(box, "      3･d");
      appendBlank(box);
      appendLine(box, "  ここに");
      voLine();
      line(box, "    d (つま先～合力作用位置間の距離) =0.000m", d);
      if (s.bearingState == 2) line(box, "    d (踵　　～合力作用位置間の距離) =0.000m", B - d);
      break;
    default:
      appendLine(box, "  q              =計算不能");
      voLine();
      bLine();
      eLine();
      appendBlank(box);
      if (noVerticalLoad(s)) appendLine(box, kNoVerticalLoad);
      appendLine(box, "  偏心距離が[B/3]をオーバーしましたので");
      appendLine(box, "  設計条件を変更して再計算して下さい。");
      appendBlank(box);
      appendLine(box, "  　地盤反力が計算出来ませんので、これ");
      appendLine(box, "  以降の構造計算結果は使用できません。");
      appendLine(box, "  判定：不可(偏心距離オーバー)");
      return "NO";
  }

  appendBlank(box);
  appendLine(box, "  q1,q2は次式を満足しなければならない。");
  text(box, "  q1,q2≦qa0(地盤の許容鉛直支持力度)=", "0kN/m2", qa);
  appendBlank(box);
  const char* word;
  if (q1 > qa || q2 > qa) {
    appendLine(box, "  判定：不可(許容鉛直支持力度外)");
    word = "NO";
  } else {
    appendLine(box, "  判定：OK(許容鉛直支持力度内)");
    word = "OK";
  }
  if (q1 == 0 && q2 == 0) {
    appendLine(box, "  判定：不可(偏心距離オーバー)");
    word = "NO";
  }
  text(box, q1 > qa ? "    q1(つま先での地盤反力度)＞qa0(=" : "    q1(つま先での地盤反力度)≦qa0(=",
       "0kN/m2)", qa);
  text(box, q2 > qa ? "    q2(かかとでの地盤反力度)＞qa0(=" : "    q2(かかとでの地盤反力度)≦qa0(=",
       "0kN/m2)", qa);
  return word;
}

const char* verticalBearing(const TAntei& s, const DesignConditions& dc, ListBox& box) {
  box.lines.clear();
  const double qu = s.ultimateBearing, n = s.bearingFsRequired, be = s.effectiveWidth;
  const double vo = s.sumV;
  appendLine(box, "4.鉛直支持力の照査");
  appendBlank(box);
  appendLine(box, "  極限支持力の計算");
  appendLine(box, "  極限支持力度(qu)は、次式で求める。");
  appendBlank(box);
  line(box, "  qu = α･κ･c･Nc･Sc+κ･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ=#,0.00kN/m2", qu);
  appendBlank(box);
  appendLine(box, "  ここに");
  line(box, "    qu (偏心傾斜を考慮した地盤の極限支持力度)　　=#,0.00kN/m2", qu);
  if (dc.checked("CheckBox3")) {
    appendLine(
        box, formatNumber("    γ1(支持地盤の土の単位重量)　　　　　　　　　=0.00kN/m3", s.gamma1) +
                 formatNumber("(水中単位重量:0.00kN/m3)", s.gamma1Eff));
    appendLine(
        box, formatNumber("    γ2(根入れ地盤の土の単位重量)　　　　　　　　=0.00kN/m3", s.gamma2) +
                 formatNumber("(水中単位重量:0.00kN/m3)", s.gamma2Eff));
    appendLine(box,
               "       (ただし、地下水位以下では水中単位重量を用いる。単位重量は水深で加重計算。)");
  } else {
    line(box, "    γ1(支持地盤の土の単位重量)　　　　　　　　　=0.00kN/m3", s.gamma1);
    line(box, "    γ2(根入れ地盤の土の単位重量)　　　　　　　　=0.00kN/m3", s.gamma2);
    appendLine(box, "       (ただし、地下水位以下では水中単位重量を用いる。)");
  }
  line(box, "    Df (基礎の有効根入れ深さ)　　　　　　　　　　=0.000m", s.embedDepth);
  text(box, "    Df'(支持地盤あるいは支持地盤と同程度良質な地盤に根入れした深さ)=", "0.000m",
       s.bearingEmbedDepth);
  line(box, "    c  (支持地盤の粘着力)　　　　　　　　　　　　=0.00kN/m2", s.cohesionBase);
  line(box, "    q  (上載荷重)　　　　　　　　　　　 =γ2･Df　=0.00kN/m2", s.overburden);
  line(box, "    Be (偏心を考慮した基礎の有効載荷幅)=B－2･eB　=0.000m", be);
  line(box, "    　B (基礎幅)　　　　　　　　　　　　　　　　 =0.000m", s.outlineX[9]);
  text(box, "　　　eB(荷重の偏心量)　　　　　　　　　　　　　 =", "0.000m", s.eccentricity);
  text(box, "    α(基礎の形状係数=1+0.3･Be/L)　　　　　　　　=", "0.00", s.shapeAlpha);
  text(box, "    β(基礎の形状係数=1-0.4･Be/L)　　　　　　　　=", "0.00", s.shapeBeta);
  line(box, "    　Ｌ(ブロック長:伸縮目地間隔)　　　　　　　　=0.000m", s.blockLengthBearing);
  appendLine(box, "　　　　　　　　　　　　　　(Be/L>1の場合は,Be/L =1 とする)");
  // Without a block length the wall counts as long: say so next to L = 0.
  if (!(s.blockLengthBearing > 0)) {
    appendLine(box, "　　　　　　　　　　　　　　(L≦0のため,Be/L =1 とする)");
  }
  text(box, "    κ(根入れ効果に対する割増し係数=1+0.3･Df'/Be)=", "0.000", s.depthFactor);
  appendLine(box, "    Nc,Nq,Nγ(荷重の傾斜を考慮した支持力係数)");
  appendLine(box, "      地盤の剪断抵抗角φおよび荷重の傾斜(tanθ)から求められる。");
  line(box, "      Nc　　　　　　　　　　　　　　　　　　　　 =0.0", s.factorNc);
  line(box, "      Nq　　　　　　　　　　　　　　　　　　　　 =0.0", s.factorNq);
  line(box, "      Nγ　　　　　　　　　　　　　　　　　　　  =0.0", s.factorNgamma);
  line(box, "      φ(支持地盤の剪断抵抗角)　　　　　　　　　 =0.0度", s.phiBaseDeg);
  appendLine(box, formatNumber("      tanθ(荷重の傾斜) = HB／V　　　　　　　　　=0.000",
                               s.loadInclination) +
                      formatNumber("(=0.0度)", std::atan(s.loadInclination) * kDegreesPerRadian));
  line(box, "        HB(基礎底面に作用する水平力)　　　　　　 =0.00kN", s.sumH);
  line(box, "        V (基礎底面に作用する鉛直力)　　　　　　 =#,0.00kN", vo);
  appendLine(box, "    Sc,Sq,Sr(支持力係数の寸法効果に関する補正係数");
  text(box, "      Sc =c'^λ　　　　　　　　　　　　　　　　  =", "0.000", s.scaleC);
  text(box, "      Sq =q'^ｖ　　　　　　　　　　　　　　　　  =", "0.000", s.scaleQ);
  text(box, "      Sγ=B'^μ　　　　　　　　　　　　　　　　  =", "0.000", s.scaleGamma);
  appendLine(box, "      λ,ｖ,μ(寸法効果の程度を表す係数)= -1/3");
  text(box, "      c'= c/10　　　　　　　　　　　　　　　　　 =", "0.000", s.cStar,
       " (但し,1≦c'≦10)");
  text(box, "      q'= q/10　　　　　　　　　　　　　　　　　 =", "0.000", s.qStar,
       " (但し,1≦q'≦10)");
  text(box, "      B'=Be/1　　　　　　　　　　　　　　　　　  =", "0.000", be, " (但し,1≦B')");
  appendBlank(box);
  appendLine(box, "  鉛直地盤反力度は、次式を満足しなければならない。");
  appendBlank(box);
  appendLine(box, "     Vo           qu");
  appendLine(box, "    ---- ≦ qa = ----");
  appendLine(box, "     Be            n");
  appendBlank(box);
  appendLine(box, "  ここに");
  line(box, "    Vo(基礎底面に作用する鉛直力)　　　　　　　　=#,0.00kN/m", vo);
  line(box, "    Be(荷重の偏心を考慮した擁壁底面の有効載荷幅)=0.000m", be);
  line(box, "    Vo/Be　　　　　　　　　　　　　　　　　　　 =0.00kN/m2", s.bearingPressure);
  line(box, "    qa(荷重の偏心傾斜を考慮した許容鉛直支持力度)=0.00kN/m2", qu / n);
  line(box, "    　qu(地盤の極限支持力度)　　　　　　　　　　=#,0.00kN/m2", qu);
  if (s.loadCase == 0) {
    line(box, "    　n (安全率:常時)　　　　　　　　　　　　　 =0", n);
  } else {
    line(box, "    　n (安全率:地震時)　　　　　　　　　　　　 =0", n);
  }
  appendBlank(box);
  // Without an effective width the base carries nothing: no check possible.
  if (!(be > 0)) {
    appendLine(box, "  有効載荷幅(Be)が0以下のため、鉛直支持力の照査ができません。");
    appendLine(box, "  判定：不可(許容鉛直支持力度外)");
    return "NO";
  }
  if (qu / n >= s.bearingPressure) {
    appendLine(box, "  判定：OK(許容鉛直支持力度内)");
    return "OK";
  }
  appendLine(box, "  判定：不可(許容鉛直支持力度外)");
  return "NO";
}

const char* sliding(const TAntei& s, const DesignConditions& dc, ListBox& box) {
  box.lines.clear();
  appendLine(box, "1.滑動に対する安定");
  if (s.bearingState == 3) {
    appendBlank(box);
    appendLine(box, "  偏心距離が[B/3]をオーバーしましたので");
    appendLine(box, "  設計条件を変更して再計算して下さい。");
    appendBlank(box);
    appendLine(box, "  　地盤反力が計算出来ませんので、滑動");
    appendLine(box, "  に対する安定計算ができません。");
    return "NO";
  }
  const double fs = s.slidingFs, ho = s.sumHcopy, pp = s.passiveForce;
  const bool withPassive = dc.checked("CheckBox9") || pp > 0;
  appendLine(box, "  滑動に対する安全率(Fs)は、次式で求める。");
  appendBlank(box);

  if (dc.index("RadioGroup2") == 0) {
    if (!withPassive) {
      appendLine(box, "      Vo･μ+Cb･Be");
      appendLine(box, ho > 0 ? formatNumber("  Fs=--------------                      =0.00", fs)
                             : "  Fs=--------------                      =∞");
      appendLine(box, "         Ho");
    } else {
      appendLine(box, "      Vo･μ+Cb･Be+0.5･Pp");
      appendLine(box, ho > 0 ? formatNumber("  Fs=--------------------                =0.00", fs)
                             : "  Fs=--------------------                =∞");
      appendLine(box, "            Ho");
    }
    appendBlank(box);
    appendLine(box, "  ここに");
    line(box, "    Vo (擁壁底面における全鉛直荷重)      =#,0.00kN", s.sumV);
    line(box, "    Ho (擁壁底面における全水平荷重)      =0.00kN", ho);
    line(box, "    μ (擁壁底面と地盤の間の摩擦係数)    =0.00", s.muBase);
    line(box, "    Cb (擁壁底面と地盤の間の付着力)      =0.00kN/m2", s.adhesionCb);
    line(box, "    Be (有効載荷幅)                      =0.000m", s.effectiveWidth);
    appendLine(box, "       (偏心距離>0なら、有効載荷幅=底版幅(B)-2×偏心距離(e))");
    appendLine(box, "       (偏心距離<0なら、有効載荷幅=底版幅(B)とする");
    if (withPassive) line(box, "    Pp (受働土圧)                        =0.00kN", pp);
    appendBlank(box);
  } else {
    appendLine(box, ho > 0 ? formatNumber("  Fs=Hk/Ho                                =0.00", fs)
                           : "  Fs=Hk/Ho                                =∞");
    appendBlank(box);
    appendLine(box, "  ここに");
    text(box,
         withPassive ? "    Hk=c･b1+v1･tanφ+(v2+v3)･tanφb+0.5･Pp="
                     : "    Hk=c･b1+v1･tanφ+(v2+v3)･tanφb       =",
         "0.00kN", s.shearResistance);
    appendLine(box, "    Hk(擁壁底面と地盤間の剪断抵抗力)");
    line(box, "    Ho(擁壁底面における全水平荷重)        =0.00kN", ho);
    line(box, "    Be(有効載荷幅)                        =0.000m", s.effectiveWidth);
    line(box, "    b1(擁壁底面前端～突起前面までの距離)  =0.000m", s.keyB1);
    line(box, "    b2(有効載荷幅内の突起幅)              =0.000m", s.keyB2);
    line(box, "    b3(突起背面～有効載荷幅後方までの距離)=0.000m", s.keyB3);
    appendLine(box, "    v1～v3(b1～b3に作用する鉛直荷重で,vi=bi/B'･Vo)");
    line(box, "    Vo(擁壁底面における全鉛直荷重)        =0.000m", s.sumV);
    line(box, "    φ (基礎地盤の剪断抵抗角)           　=0度", s.phiBaseDeg);
    line(box, "    φb(擁壁底面と地盤との間の摩擦角)     =0度", s.phiB * kDegreesPerRadian);
    line(box, "    c  (基礎地盤の粘着力)                 =0.00kN/m2", s.cohesionBase);
    if (withPassive) line(box, "    Pp (受働土圧)                         =0.00kN", pp);
  }

  const double req = s.slidingFsRequired;
  line(box, "  安全率Fsは0.0を下回ってはならい。", req);
  if (fs >= req) {
    line(box, "  判定：OK(Fs≧0.0)", req);
    return "OK";
  }
  line(box, "  判定：不可(安全率不足)<0.0", req);
  return "NO";
}

// Without an earth pressure none of the four checks can be made: each says
// why and is judged NO; figure and load summary stay empty.
void writeUnstableBackfill(ResultsWindow& r) {
  struct Check {
    const char* listBox;
    const char* heading;
    const char* groupBox;
    int index;
  };
  const Check checks[] = {{"ListBox4", "2.転倒に対する安定計算", "GroupBox22", 2},
                          {"ListBox5", "3.支持地盤の支持力に対する安定", "GroupBox23", 3},
                          {"ListBox23", "4.鉛直支持力の照査", "GroupBox33", 4},
                          {"ListBox3", "1.滑動に対する安定", "GroupBox24", 1}};
  for (const Check& c : checks) {
    ListBox& box = r.listBox(c.listBox);
    box.lines.clear();
    appendLine(box, c.heading);
    appendUnstableBackfillCheck(box);
    setJudgement(r.groupBox(c.groupBox), c.index, "NO");
  }
  clearChart(r.chart("Chart11"));
  r.listBox("ListBox12").lines.clear();
}

}  // namespace

void writeStabilityReport(TAntei& s, const DesignConditions& dc, ResultsWindow& r) {
  if (s.backfillUnstable) {
    writeUnstableBackfill(r);
    return;
  }
  // 1-4. The four checks and their captions.
  setJudgement(r.groupBox("GroupBox22"), 2, overturning(s, dc, r.listBox("ListBox4")));
  setJudgement(r.groupBox("GroupBox23"), 3, bearing(s, r.listBox("ListBox5")));
  setJudgement(r.groupBox("GroupBox33"), 4, verticalBearing(s, dc, r.listBox("ListBox23")));
  setJudgement(r.groupBox("GroupBox24"), 1, sliding(s, dc, r.listBox("ListBox3")));

  // 5-6. Figure and load summary; without a ground reaction both are
  //      emptied so that no earlier run's diagram stands next to this report.
  drawStabilityFigure(s, dc, r);
}

}  // namespace kovrel
