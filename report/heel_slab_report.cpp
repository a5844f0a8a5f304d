#include "report/heel_slab_report.h"

#include <algorithm>
#include <string>

#include "engine/heel_slab.h"
#include "report/member_report_common.h"
#include "report/reaction_diagram.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

std::string fmt(std::string_view picture, double value) {
  return formatNumber(picture, value);
}

// Backfill volume of a weight; no unit weight, no volume.
double volume(double weight, double gammaS) {
  return gammaS != 0 ? weight / gammaS : 0.0;
}

void writeHeelForces(ResultsWindow& results, const TAntei& s, const HeelDesign& h) {
  const HeelLoads& o = h.outer;
  const HeelLoads& r = h.root;
  const double gs = s.gammaS;
  const double lsRoot = std::max(0.0, s.reactionWidth - s.outlineX[6]);
  ListBox& box = results.listBox("ListBox11");
  box.lines.clear();
  appendLine(box, "かかと版の設計");
  appendLine(box, "  かかと版は、たて壁との結合部を固定端");
  appendLine(box, "  とする片持梁として設計する。");
  appendBlank(box);
  appendLine(box, "(a)断面力");
  appendLine(box, "①剪断力(S)は、次式で求める。");
  appendLine(box, "　部材設計の照査位置は、たて壁の背面");
  appendLine(box, "　から底版厚さ(H)のH/2離れた位置とする。");
  appendBlank(box);
  if (h.buoyancy) {
    appendLine(box, fmt("　S=Wc+Ws+Wq+Pv-Qs-Sf-Wf　　 =0.00kN", h.s));
    appendBlank(box);
    appendLine(box, "　ここに");
    appendLine(box, fmt("　　Wc(かかと版自重)　　　　 =0.00kN", o.wc));
    appendLine(box, fmt("　　Ws(背面土自重)=A･γs　　 =0.00kN", o.ws));
    appendLine(box, fmt("　　　A (背面土体積)　　　　 =0.00m3", volume(o.ws, gs)));
    appendLine(box, fmt("　 　γs(背面土単位重量)　　 =0.00kN/m3", gs));
    appendLine(box, fmt("　　Wq(載荷重)               =0.00kN", o.wq));
    appendLine(box, fmt("　　Pv(鉛直土圧)　　　　　　 =0.00kN", o.pv));
    appendLine(box, fmt("　　Qs(地盤反力)=Ls･(q2+q8)/2=0.00kN", o.q));
    appendLine(box, fmt("　　　Ls(先端～照査部距離)　 =0.000m", h.length - h.lh));
    appendLine(box, fmt("　　　q2(先端部地盤反力度)　 =0.00kN/m2", s.reactionHeel));
    appendLine(box, fmt("　　　q8(照査部地盤反力度)　 =0.00kN/m2", s.reactionAtHeelSection));
    appendLine(box, fmt("　　Sf(背面土の浮力)　　　　 =0.00kN", o.sf));
    appendLine(box, fmt("　　Wf(かかと版の浮力)　　　 =0.00kN", o.wf));
    appendBlank(box);
    appendLine(box, "②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。");
    appendBlank(box);
    appendLine(box, "　M= Wc･x1+Ws･x2+Wq･x3+Pv･x4");
    appendLine(box, fmt("　　-Qs･x5-Sf･x6-Wf･x7       =0.00kNm", h.mr));
  } else {
    appendLine(box, fmt("　S=Wc+Ws+Wq+Pv-Qs           =0.00kN", h.s));
    appendBlank(box);
    appendLine(box, "　ここに");
    appendLine(box, fmt("　　Wc(かかと版自重)　　　　 =0.00kN", o.wc));
    appendLine(box, fmt("　　Ws(背面土自重)=A･γs　　 =0.00kN", o.ws));
    appendLine(box, fmt("　　　A (背面土体積)　　　　 =0.00m3", volume(o.ws, gs)));
    appendLine(box, fmt("　　 γs(背面土単位重量)　　 =0.00kN/m3", gs));
    appendLine(box, fmt("　　Wq(載荷重)　　　　　　　 =0.00kN", o.wq));
    appendLine(box, fmt("　　Pv(鉛直土圧)　　　　　　 =0.00kN", o.pv));
    appendLine(box, fmt("　　Qs(地盤反力)=Ls･(q2+q8)/2=0.00kN", o.q));
    appendLine(box, fmt("　　　Ls(先端～照査部距離)　 =0.000m", h.length - h.lh));
    appendLine(box, fmt("　　　q2(先端部地盤反力度)　 =0.00kN/m2", s.reactionHeel));
    appendLine(box, fmt("　　　q8(照査部地盤反力度)　 =0.00kN/m2", s.reactionAtHeelSection));
    appendBlank(box);
    appendLine(box, "②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。");
    appendBlank(box);
    appendLine(box, fmt("　M=Wc･x1+Ws･x2+Wq･x3+Pv･x4-Qs･x5=0.00kNm", h.mr));
  }
  appendBlank(box);
  appendLine(box, "　ここに");
  appendLine(box, fmt("　　Wc(かかと版自重)　　　　 =0.00kN", r.wc));
  if (h.buoyancy) {
    // The buoyancy variant names the slab's own weight differently.
    box.lines.back() = fmt("　　Wc(かかと版の自重)　　　 =0.00kN", r.wc);
  }
  appendLine(box, fmt("　　Ws(背面土自重)=A･γs　　 =0.00kN", r.ws));
  appendLine(box, fmt("　　　A (背面土体積)　　　　 =0.00m3", volume(r.ws, gs)));
  appendLine(box, fmt("　　 γs(背面土単位重量)　　 =0.00kN/m3", gs));
  appendLine(box, fmt("　　Wq(載荷重)　　　　　　　 =0.00kN", r.wq));
  appendLine(box, fmt("　　Pv(鉛直土圧)　　　　　　 =0.00kN", r.pv));
  appendLine(box, fmt("　　Qs(地盤反力)=Ls･(q2+q5)/2=0.00kN", r.q));
  appendLine(box, fmt("　　　Ls(先端～付根部距離)　 =0.000m", lsRoot));
  appendLine(box, fmt("　　　q2(先端部地盤反力度)　 =0.00kN/m2", s.reactionHeel));
  appendLine(box, fmt("　　　q5(付根部地盤反力度)　 =0.00kN/m2", s.reactionAtStemRear));
  if (h.buoyancy) {
    appendLine(box, fmt("　　Sf(背面土の浮力)　　　　 =0.00kN", r.sf));
    appendLine(box, fmt("　　Wf(かかと版の浮力)　　　 =0.00kN", r.wf));
  }
  appendLine(box, "　　x1～x7は各ｱｰﾑ長");
  appendLine(box, fmt("　　x1=0.000m", h.x1) + fmt(":x2=0.000m", h.x2));
  appendLine(box, fmt("　　x3=0.000m", h.x3) + fmt(":x4=0.000m", h.x4));
  if (h.buoyancy) {
    appendLine(box, fmt("　　x5=0.000m", h.x5) + fmt(":x6=0.000m", h.x6));
    appendLine(box, fmt("　　x7=0.000m", h.x7));
  } else {
    appendLine(box, fmt("　　x5=0.000m", h.x5));
  }
  if (h.ms < h.mr) {
    appendBlank(box);
    appendLine(box, "　尚、たて壁の曲げﾓｰﾒﾝﾄ(M)の方が小");
    appendLine(box, "　さいのでかかと版の曲げﾓｰﾒﾝﾄ(M)は");
    appendLine(box, fmt("　[0.00]kNm", h.ms) + "とする");
  }

  const std::string none = "---";
  const double gc = s.gammaC;
  // Root section.
  StringGrid& root = results.grid("StringGrid14");
  root.setCell(0, 0, "断面力");
  auto rootRow = [&](int row, std::string end, std::string start, double v, double x) {
    root.setCell(1, row, std::move(end));
    root.setCell(2, row, std::move(start));
    root.setCell(3, row, fmt("0.00", v));
    root.setCell(4, row, fmt("0.000", x));
    root.setCell(5, row, fmt("0.00", v * x));
  };
  rootRow(1, fmt("0.00", s.outlineY[1] * gc), fmt("0.00", s.outlineY[6] * gc), r.wc, h.x1);
  rootRow(2, none, none, r.ws, h.x2);
  rootRow(3, none, none, r.wq, h.x3);
  rootRow(4, fmt("0.00", h.pvEnd), fmt("0.00", 0.0), r.pv, h.x4);
  rootRow(5, fmt("0.00", s.reactionHeel), fmt("0.00", s.reactionAtStemRear), -r.q, h.x5);
  if (h.buoyancy) {
    rootRow(6, none, none, -r.sf, h.x6);
    rootRow(7, none, none, -r.wf, h.x7);
  }
  const int last = h.buoyancy ? 8 : 6;
  root.setCell(1, last, none);
  root.setCell(2, last, none);
  root.setCell(3, last, fmt("0.00", h.v));
  root.setCell(4, last, h.v != 0 ? fmt("0.000", h.mr / h.v) : none);
  root.setCell(5, last, h.ms < h.mr ? fmt("[0.00]", h.m) : fmt("0.00", h.mr));

  // H/2 section.
  StringGrid& half = results.grid("StringGrid9");
  half.setCell(0, 0, "断面力");
  auto halfRow = [&](int row, std::string end, std::string at, double v) {
    half.setCell(1, row, std::move(end));
    half.setCell(2, row, std::move(at));
    half.setCell(3, row, fmt("0.00", v));
    half.setCell(4, row, none);
    half.setCell(5, row, none);
  };
  halfRow(1, fmt("0.00", s.outlineY[1] * gc), fmt("0.00", s.outlineY[33] * gc), o.wc);
  halfRow(2, none, none, o.ws);
  halfRow(3, none, none, o.wq);
  halfRow(4, fmt("0.00", h.pvEnd), fmt("0.00", h.pvH), o.pv);
  halfRow(5, fmt("0.00", s.reactionHeel), fmt("0.00", s.reactionAtHeelSection), -o.q);
  if (h.buoyancy) {
    halfRow(6, none, none, -o.sf);
    halfRow(7, none, none, -o.wf);
  }
  halfRow(last, none, none, h.s);
}

void writeHeelStresses(ResultsWindow& results, const TAntei& s, const HeelDesign& h) {
  ListBox& box = results.listBox("ListBox16");
  box.lines.clear();
  appendLine(box, "(b)応力度計算");
  appendLine(box, "①必要鉄筋量の計算");
  appendLine(box, "　固定端における必要鉄筋量(As)");
  appendLine(box, "　は、次式で求める。");
  appendBlank(box);
  appendLine(box, "　　　　　M");
  appendLine(box, fmt("　As=-------------      =0,0mm2", h.bars.requiredAs));
  appendLine(box, "　　　σsa･(d-x/3)");
  appendBlank(box);
  appendLine(box, "　ここに");
  appendLine(box, fmt("　　M　 (曲げﾓｰﾒﾝﾄ)     =0.00kNm", h.m));
  appendLine(box, fmt("　　σsa(許容引張応力度)=0kN/m2", s.allowableSteelTension));
  appendLine(box, fmt("　　d　 (部材厚-かぶり) =0,0mm", h.d * 1000.0));
  appendLine(box, "　　xは、次式で求める");
  appendLine(box, "　　　　　　　　 6･M･15");
  appendLine(box, "　　x^3-3d･x^2-(--------)･(x-d)=0");
  appendLine(box, "　　　　　　　　 σsa･b");
  appendLine(box, fmt("　上記式を解いてx=0mmを得る。", h.bars.x));
  appendLine(box,
             fmt("　配筋は、直径=D0mm", h.bars.diameter) + fmt(":ﾋﾟｯﾁ=@0mmとする。", h.bars.pitch));
  appendLine(box, fmt("　使用鉄筋量(A)は0,0mm2", h.bars.providedAs));
  appendLine(box, h.bars.requiredAs > h.bars.providedAs ? "　となり、鉄筋量不足である。"
                                                        : "　となり、必要鉄筋量を満足する。");
  appendBlank(box);
  appendLine(box, "②実応力度の計算(圧縮,引張)");
  appendLine(box, "　応力度は、次式で求める");
  appendBlank(box);
  appendLine(box, "　　　　　　　　　　　2･M");
  appendLine(box, fmt("　σc(圧縮応力度)=------------=0.00N/mm2", h.stresses.sigmaC));
  appendLine(box, "　　　　　　　　　 b･x(d-x/3)");
  appendLine(box, "                       　d-x");
  appendLine(box, fmt("　σs(引張応力度)=n･σc･------=0.00N/mm2", h.stresses.sigmaS));
  appendLine(box, "　　　　　　　　　　　　　x");
  appendBlank(box);
  appendLine(box, "　ここに");
  appendLine(box, fmt("　　M(曲げﾓｰﾒﾝﾄ)　　　　　　　=0.00kNm", h.m));
  appendLine(box, "　　b(幅)　　　　　　　　　　 =1,000mm");
  appendLine(box, fmt("　　d(部材厚-かぶり)　　　　　=0,0mm", h.d * 1000.0));
  appendLine(box, "　　　 15･As　　　　　2b･d");
  appendLine(box, fmt("　　x=-----･(-1+√(1+-------))=0mm", h.stresses.x));
  appendLine(box, "　　　　 b　　　　　　15･As");
  appendBlank(box);
  appendLine(box, "③実応力度の計算(剪断：H/2部)");
  appendLine(box, fmt("　τm(平均剪断応力度) =S/(b･d)=0.00N/mm2", h.tauM));
  appendBlank(box);
  appendLine(box, "　ここに");
  appendLine(box, fmt("　　S(剪断力)　　　　 =0.00kN", h.s));
  appendLine(box, fmt("　　d(部材厚-かぶり)　=0,0mm", h.dh * 1000.0));
  appendLine(box, "　なお");
  appendLine(box, fmt("　Pt(軸方向引張鉄筋比)=A/(b･d)=0.000%", h.pt * 100));
  appendBlank(box);
  appendLine(box, "④コンクリートの許容剪断応力度(τca)");
  appendLine(box, "　τca=τa1･Ce･Cpt･Cdc       " + fmt("=0.00N/mm2", h.tauCa));
  appendBlank(box);
  appendLine(box, "　ここに");
  appendLine(box, "　　τa1(許容剪断応力度基準値)　　　" + fmt("=0.00N/mm2", s.allowableShearBase));
  appendLine(box, "　　Ce　(有効高dの補正係数)　　　　 " + fmt("=0.000", h.ce));
  appendLine(box, "　　Pt　(軸方向引張鉄筋比)　　　　　" + fmt("=0.000%", h.pt * 100));
  appendLine(box, "　　Cpt (軸方向引張鉄筋比の補正係数)" + fmt("=0.000", h.cpt));
  appendLine(box, "　　Cdc (剪断ｽﾊﾟﾝ比[a/d]の補正係数) " + fmt("=0.000", h.cdc));
  appendLine(box, "　　　a (剪断ｽﾊﾟﾝ)=L+min(tc/2,d)　　" + fmt("=0.000m", h.a));
  appendLine(box, "　　　　L (鉛直荷重の合力位置)　　　" + fmt("=0.000m", h.lPrime));
  appendLine(box, "　　　　tc(たて壁幅)　　　　　　　　" + fmt("=0.000m", h.tc));
  appendLine(box, "　　　d (たて壁位置の底版の有効高)　" + fmt("=0.000m", h.d));
  appendBlank(box);
  appendLine(box, "   計算結果を[図][表]に示す。");

  DesignSummary sum = summariseDesign(h, h.s, h.tauM, s);
  writeDesignSummary(results.grid("StringGrid11"), sum, "#,0.00mm2");
}

}  // namespace

void writeHeelReport(ResultsWindow& results, TAntei& s, const HeelDesign& h, bool colourOutput) {
  writeHeelForces(results, s, h);
  writeHeelStresses(results, s, h);

  Chart& chart = results.chart("Chart7");
  clearChart(chart);
  chart.title = "図";
  chart.left.title = "kN/m2";
  chart.left.minimum = -s.reactionToe / 100 - 0.5;
  chart.left.maximum = s.outlineY[3] + 0.5;
  chart.bottom.minimum = -1.0;
  chart.bottom.maximum = s.outlineX[9] + 0.5;
  Series& wall = chart.seriesNamed("Series36");
  Series& reaction = chart.seriesNamed("Series37");
  Series& bar = chart.seriesNamed("Series38");
  wall.colour = clBlack;
  bar.colour = clBlack;
  reaction.colour = reactionColour(colourOutput);
  drawWallOutline(s, wall);
  drawReactionDiagram(s, reaction, ReactionVariant::HeelSlab);
  const StringGrid& g = results.grid("StringGrid11");
  const double c = s.stemCover;
  bar.points.push_back({s.outlineX[3], s.outlineY[6] - c, " ", std::nullopt});
  bar.points.push_back(
      {s.outlineX[6] - c, s.outlineY[6] - c, g.cell(1, 5) + ":" + g.cell(1, 6), std::nullopt});
  bar.points.push_back({s.outlineX[8] - c, s.outlineY[8] - c, " ", std::nullopt});
}

}  // namespace kovrel
